#pragma once
// What the registrations of the income page and of the expense page share: their form check,
// the order number the document prints, the quiet assignment of the income row and the clearing
// of the payment group after a registration.

#include <QString>
#include <QVariant>
#include <initializer_list>

namespace zur::db {
class DataSet;
}

namespace zur::desk {

class TForm1;

inline const QString kFormIncomplete = QStringLiteral("вы заполнили не все поля!");

// Shows kFormIncomplete (caption "Уведомление", warning icon) unless every one of `filled`
// holds; returns whether they all do.
bool check_form(std::initializer_list<bool> filled);

// True when the payment group holds a payment kind, an amount and an order number.
bool payment_group_filled(const TForm1& window);

// The additional order number when there is one, else the order number.
QString document_order_no(const TForm1& window);

// `column` of the record being inserted into `record` := `value`; a value the column cannot
// take, or a column the record lacks, leaves it as it was.
void assign_quietly(db::DataSet& record, const char* column, const QVariant& value);

// The shown text of a person list up to its first "(" (the birth date that follows the name).
QString name_before_parenthesis(const QString& shown);

// After a registration: the payment group empty and closed, the remark closed, the button off.
void clear_payment_group(TForm1& window);

}  // namespace zur::desk
