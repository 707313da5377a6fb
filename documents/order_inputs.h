#pragma once
// What the cash orders read from the database besides the document record, for the windows
// that create them.

#include <QString>

#include "documents/form_kit.h"

namespace zur::db {
class Connection;
}

namespace zur::documents {

// The officials of cash desk `cashDeskId`; all empty when the desk has no row. Throws db::DbError.
Officials load_officials(db::Connection& connection, qlonglong cashDeskId);

// True when faculty `facultyId` prints its receipts without the institution line (`RS_opl` = 1).
// Throws db::DbError.
bool faculty_hides_institution(db::Connection& connection, qlonglong facultyId);

}  // namespace zur::documents
