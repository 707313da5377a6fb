#pragma once
// The start every registration of the desk shares (tuition, other income, expense): the amount
// is read, the recent order numbers are emptied, and the shared document record gets the
// institution, the date, the purpose's details and the split of the amount between the
// purpose's two accounts.

#include <QString>
#include <optional>

#include "documents/stored_document.h"

namespace zur::desk {

class TForm1;

// An amount as the payment group holds it: a comma (or a point) as the decimal separator.
// Nothing when the text is not a number (empty, a lone comma, two commas, blanks).
std::optional<double> read_amount(const QString& text);

// The number in a "%10.2f" money text ("   1000,00" gives 1000).
double money_value(const QString& text);

// The parts of `amount` for the purpose's two accounts, as "%10.2f" texts:
//   sum1  = amount / (percent1 / 100 + 1)
//   sum2  = amount / (percent1 / 100 + 1) * (percent2 / 100)
//   total = the number in sum1 + the number in sum2 (the rounded parts are added).
// With different percentages the total is not the amount (1100 at 10 / 0 gives 1000,00): the
// total is what a registration stores.
documents::AmountSplit split_between_accounts(double amount, double percent1, double percent2);

// The message shown for an amount that is not a number.
inline const QString kAmountNotNumber =
    QStringLiteral("Сумма оплаты введена неверно: введите число (например 1500,50).");

// Runs the shared start for `window`: reads the amount of Oplata_Edit (when it is not a number
// the message kAmountNotNumber is shown, nothing is changed and nothing is returned); closes
// the recent-number lists ADOQ_Order1 and ADOQ_Order2; fills `institution_name` from the
// institution of the faculty at which ADOQ_Faculty stands; `pay_date` from the date picker;
// `percent1`, `percent2`, `account1`, `account2`, `account2_name`, `purpose_name` from the
// purpose row at which ADOT_Uslugi_2 stands; `sum1`, `sum2`, `total_sum` from the split.
// Returns the amount typed. Throws db::DbError (the record's fields filled before stay).
std::optional<double> payment_prelude(TForm1& window);

}  // namespace zur::desk
