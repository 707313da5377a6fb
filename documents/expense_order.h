#pragma once
// The expense cash order: one A5 sheet with the amount, its accounts, the recipient and the lines
// the head, the chief accountant, the recipient and the cashier sign.

#include <QString>
#include <QTime>

#include "documents/form_kit.h"
#include "platform/report/page.h"

namespace zur::documents {

struct ExpenseInputs {
    Officials officials;  // `rukov`, `glavBuh` and `kasir` of the cash desk; empty when it has none
    QTime now = QTime::currentTime();
};

// The page is filled from `document_data` when the form is created; the caller then completes the
// cash desk line and the recipient's identity document line.
class TForm9 : public report::Page {
  public:
    explicit TForm9(const ExpenseInputs& inputs);

    // The column the cash desk field takes its text from.
    static QString cashDeskColumn() { return QStringLiteral("name"); }
    // The header reads "Касса:" and the cash desk's name.
    void showCashDesk(const QString& kassaName);
    // The header reads "Касса: " and the faculty's name instead, with no cash desk field.
    void showFacultyHeader(const QString& nameFac);
    // The recipient's identity document after "Документ:".
    void setIdentityDocument(const QString& line);
};

}  // namespace zur::documents
