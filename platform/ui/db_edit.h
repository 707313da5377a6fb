#pragma once
// A data-bound single-line edit: shows the field's text; the first keystroke puts the data set
// into edit state, and the typed text is assigned when the edit is left or Enter is pressed.

#include "platform/ui/data_link.h"

#include <QLineEdit>

namespace zur::ui {

class DBEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit DBEdit(QWidget* parent = nullptr);

    void setDataSource(db::DataSource* source) { link_.setDataSource(source); }
    void setDataField(const QString& name) { link_.setFieldName(name); }
    DataLink& dataLink() { return link_; }

    // Assigns typed text not yet assigned; false when the field refused it.
    bool updateRecord();

  private:
    void showField();
    void startEdit();

    DataLink link_;
};

}  // namespace zur::ui
