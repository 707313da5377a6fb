#pragma once
// Filling the shared document record from a stored receipt or expense, for printing its cash
// order again: the record's own amount, purpose, payer and cash desk.

#include <QString>
#include <optional>

#include "documents/expense_order.h"
#include "documents/receipt_order.h"

namespace zur::db {
class Connection;
}

namespace zur::documents {

// What an expense order needs besides `document_data`.
struct StoredExpense {
    ExpenseInputs inputs;
    QString cash_desk_name;  // for the "Касса:" line
    QString passport;        // the recipient's identity document line
};

// The "%10.2f" parts of amount `a` for the purpose's percentages, as a reprint splits it: only
// `percent2` decides, so the parts always add up to the amount.
struct AmountSplit {
    QString total;
    QString sum1;
    QString sum2;
};
AmountSplit split_stored_amount(double a, double percent1, double percent2);

// Fills `document_data` from the payment `id` and returns the receipt's inputs; nothing when
// there is no such payment. Throws db::DbError.
std::optional<ReceiptInputs> load_stored_receipt(db::Connection& connection, qlonglong id);

// Fills `document_data` from the expense `id` and returns the expense order's inputs; nothing
// when there is no such expense. Throws db::DbError.
std::optional<StoredExpense> load_stored_expense(db::Connection& connection, qlonglong id);

}  // namespace zur::documents
