#pragma once
// The dialog in which the cashier checks the recipient's passport line before an expense order
// is shown.

#include <QDialog>

#include "documents/passport_line.h"

class QLineEdit;
class QPushButton;

namespace zur::documents {

// The caller chooses the recipient (from the desk's expense page, or with recipient_of_expense
// from a found expense), runs the dialog and reads `text()` however it was closed.
class TForm18 : public QDialog {
    Q_OBJECT
  public:
    TForm18(db::Connection& connection, const Recipient& recipient, QWidget* parent = nullptr);

    // The passport line as the cashier left it.
    QString text() const;
    // Looks the passport up into the edit; a database error is shown and leaves it empty.
    void lookUp();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    db::Connection& connection_;
    Recipient recipient_;
    bool lookedUp_ = false;
    QLineEdit* Edit1;
    QPushButton* Button1;
};

}  // namespace zur::documents
