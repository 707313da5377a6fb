#pragma once
// The recipient's identity document line for an expense order: series and number, the issuing
// authority's code and the date of issue, as the database holds them.

#include <QString>
#include <QVariant>

namespace zur::db {
class Connection;
}

namespace zur::documents {

struct Recipient {
    enum class Kind { None, Staff, Student, Applicant };
    Kind kind = Kind::None;
    qlonglong key = 0;
};

// The recipient of a stored expense: its student, else its staff member, else none (an
// applicant's or a free-text recipient's passport is not looked up for a found expense).
Recipient recipient_of_expense(const QVariant& idStudent, const QVariant& idTeacher);

// The statement that composes the recipient's passport line; empty for no recipient.
QString passport_statement(const Recipient& recipient);

// "AN1234567 (MKK 50-01) от 01.02.2010 г.", or empty when the recipient, the passport or its
// issuing authority is missing. Throws db::DbError.
QString passport_line(db::Connection& connection, const Recipient& recipient);

}  // namespace zur::documents
