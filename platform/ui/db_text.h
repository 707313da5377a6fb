#pragma once
// A data-bound label: the display text of a field of the current record.

#include "platform/ui/data_link.h"

#include <QLabel>

namespace zur::ui {

class DBText : public QLabel {
    Q_OBJECT
  public:
    explicit DBText(QWidget* parent = nullptr);

    void setDataSource(db::DataSource* source) { link_.setDataSource(source); }
    void setDataField(const QString& name) { link_.setFieldName(name); }

  private:
    DataLink link_;
};

}  // namespace zur::ui
