#pragma once
// A data-bound multi-line text: shows the field's text; typing puts the data set into edit
// state, and the text is assigned when the memo is left.

#include "platform/ui/data_link.h"

#include <QPlainTextEdit>

namespace zur::ui {

class DBMemo : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit DBMemo(QWidget* parent = nullptr);

    void setDataSource(db::DataSource* source) { link_.setDataSource(source); }
    void setDataField(const QString& name) { link_.setFieldName(name); }

    // Assigns typed text not yet assigned; false when refused.
    bool updateRecord();

  signals:
    // The text changed, by typing or because another record is shown.
    void changed();

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void showField();
    void textTyped();

    DataLink link_;
    bool showing_ = false;
};

}  // namespace zur::ui
