#pragma once
// A data-bound date edit, date only ("dd.MM.yyyy"); an empty field shows a blank edit.

#include "platform/ui/data_link.h"

#include <QDateEdit>

namespace zur::ui {

class DBDateEdit : public QDateEdit {
    Q_OBJECT
  public:
    explicit DBDateEdit(QWidget* parent = nullptr);

    void setDataSource(db::DataSource* source) { link_.setDataSource(source); }
    void setDataField(const QString& name) { link_.setFieldName(name); }

  private:
    void showField();
    void dateEdited(QDate date);

    DataLink link_;
    bool showing_ = false;
};

}  // namespace zur::ui
