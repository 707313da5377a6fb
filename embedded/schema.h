#pragma once
// The tables, indexes and views of the ZUR database on the embedded engine.

#include <QString>

namespace zur::db {
class Connection;
}

namespace zur::embedded {

// Creates every table, index and view on an empty embedded database. Throws db::DbError.
void createSchema(db::Connection& connection);

// The text of one of this library's SQL scripts ("schema.sql", "views.sql", ...).
QString sqlScript(const char* name);

}  // namespace zur::embedded
