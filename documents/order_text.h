#pragma once
// Texts both cash orders derive from the shared document record.

#include <QDateTime>
#include <QString>

#include "documents/words.h"

namespace zur::documents {

// The integer part and the two-digit fraction of a "%10.2f" amount text.
struct AmountParts {
    QString integer;   // digits only, blanks removed
    QString fraction;  // "00" when the text has no decimal separator
};
AmountParts split_amount(const QString& amount);

// The amount in words with its fraction: "ОДНА ТЫСЯЧА ПЯТЬСОТ  СОМОВ 00 т." on a receipt.
QString amount_line(const QString& amount, WordsVariant variant);

// The operation's date in words followed by the time of printing: "05 Марта 2016 года 9:05".
QString date_time_line(const QDateTime& payDate, const QTime& now);

// The date in words with "г." for "года": "19 Июня 2015 г.".
QString short_date_line(const QDateTime& payDate);

// True when an amount text reads as zero (or is empty).
bool is_zero_amount(const QString& amount);

}  // namespace zur::documents
