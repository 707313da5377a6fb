#pragma once
// The cash receipt order: the order the cash desk keeps and, beside it, the counterfoil the payer
// takes, on one A5 sheet.

#include <QString>
#include <QTime>

#include "documents/form_kit.h"
#include "platform/report/page.h"

namespace zur::documents {

// What the receipt needs besides `document_data`; the caller reads it from the database and from
// the desk's current selection.
struct ReceiptInputs {
    QString faculty_doc_name;  // `p23-2` of the paying faculty, compared with the institution
    bool rs_opl = false;       // the faculty prints no institution line (`RS_opl` = 1)
    Officials officials;       // `glavBuh` and `kasir` of the cash desk
    QString group_name;        // `p20` of the current group, for a carried-over overpayment
    QString speciality_text;   // the shown speciality, likewise
    QTime now = QTime::currentTime();
};

// The page is filled when the form is created; it reads `document_data` and the next-year values
// and clears `next_year_transfer`, so a carried-over amount is announced on one receipt only.
class TForm4 : public report::Page {
  public:
    explicit TForm4(const ReceiptInputs& inputs);

    // The column the two faculty labels take their text from.
    static QString facultyColumn() { return QStringLiteral("p23-2"); }
    // False when the faculty name was dropped as a repeat of the institution's.
    bool hasFacultyLabels() const { return contains(QStringLiteral("QR_Faculty_lbl")); }
    // Gives both faculty labels the faculty's document name (nothing when they were dropped).
    void bindFaculty(const QString& docName) { bind(facultyColumn(), docName); }
};

}  // namespace zur::documents
