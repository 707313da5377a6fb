#pragma once
// What a cash document prints. The window that registers or reprints a record fills the one shared
// record before it creates the document; the document only reads it.

#include <QDateTime>
#include <QString>

namespace zur::documents {

struct TOplataRec {
    QString order_no;
    QString total_sum;  // amounts as "%10.2f" texts with a decimal comma, leading blanks kept
    QString sum1;
    QString sum2;
    QString institution_name;
    QString purpose_name;
    QString basis;
    QString payer_name;  // the payer of a receipt, the recipient of an expense
    double percent1 = 0;
    double percent2 = 0;
    QString account1;
    QString account2;
    QString account2_name;
    QString note;
    QDateTime pay_date;
};

inline TOplataRec document_data;

// An overpayment carried to another academic year, announced on the next receipt only.
inline bool next_year_transfer = false;
inline QString next_year_sum;   // "%10.2f" text followed by " сом"
inline QString next_year_name;  // the receiving academic year's shown name

// An amount as the documents carry it: two decimals, decimal comma, right-aligned in ten places.
QString money_text(double amount);

}  // namespace zur::documents
