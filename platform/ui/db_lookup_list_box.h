#pragma once
// A lookup list box: the rows of a list data set, one field shown, the key field of the
// selected row held; optionally bound to a field of another data set like the combo box.

#include "platform/ui/data_link.h"
#include "platform/ui/lookup_list.h"

#include <QListView>

namespace zur::ui {

class DBLookupListBox : public QListView {
    Q_OBJECT
  public:
    explicit DBLookupListBox(QWidget* parent = nullptr);

    void setListSource(db::DataSource* source) { list_.setListSource(source); }
    void setListField(const QString& name) { list_.setListField(name); }
    void setKeyField(const QString& name) { list_.setKeyField(name); }
    LookupList& list() { return list_; }

    void setDataSource(db::DataSource* source) { link_.setDataSource(source); }
    void setDataField(const QString& name) { link_.setFieldName(name); }

    QVariant keyValue() const { return key_; }
    void setKeyValue(const QVariant& key);  // selects the key's row; no pick
    bool hasValue() const { return !key_.isNull() && !key_.toString().isEmpty(); }

  signals:
    void picked();  // the user selected a row

  private:
    void applyKey(const QVariant& key);
    void pickRow(const QModelIndex& index);

    LookupList list_;
    DataLink link_;
    QVariant key_;
};

}  // namespace zur::ui
