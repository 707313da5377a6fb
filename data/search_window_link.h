#pragma once
// What the data module's record rules need of the order search window while it exists. The
// window registers itself with TDM_Smeta::setSearchWindow on creation and clears it when it
// is destroyed.

#include <QString>

namespace zur::db {
class DataSet;
}

namespace zur::data {

class SearchWindowLink {
  public:
    virtual ~SearchWindowLink() = default;
    // Enables or disables the apply button `SavBtn`.
    virtual void setApplyEnabled(bool enabled) = 0;
    // Makes the payment grid `DBGridEh1` read-only.
    virtual void setPaymentGridReadOnly() = 0;
    // Detaches the change-history hook from whatever it watches, attaches it to `dataSet`
    // with `table` and `keyField` without taking over the data set's before-post and
    // before-delete events, and records the changes of the current record now.
    virtual void recordChanges(db::DataSet& dataSet, const QString& table,
                               const QString& keyField) = 0;
};

}  // namespace zur::data
