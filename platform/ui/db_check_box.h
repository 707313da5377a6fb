#pragma once
// A data-bound check box over a boolean field; a click assigns the new state at once.

#include "platform/ui/data_link.h"

#include <QCheckBox>

namespace zur::ui {

class DBCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit DBCheckBox(QWidget* parent = nullptr);

    void setDataSource(db::DataSource* source) { link_.setDataSource(source); }
    void setDataField(const QString& name) { link_.setFieldName(name); }

  private:
    void showField();

    DataLink link_;
};

}  // namespace zur::ui
