#pragma once
// SQLite functions and the collation that translated T-SQL relies on. Register them on every
// newly opened connection (they are per connection).

struct sqlite3;

namespace zur::tsql {

// Name of the case-insensitive (Unicode-folding) collation declared on the text columns of the
// embedded schema; SQL Server's Cyrillic collation compares without regard to letter case.
inline constexpr const char* kCollation = "ZUR_CI";

// Registers the functions and the collation on `db`. Returns an SQLite result code.
int registerFunctions(sqlite3* db);

}  // namespace zur::tsql
