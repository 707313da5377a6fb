#pragma once
// What a data set reads from its own statement text: the parameters it names and the one table
// of a single-table FROM.

#include <QString>
#include <QStringList>

namespace zur::db {

// `:name` and `:@name` outside literals, brackets and comments, in order, each once, as written
// without ':' and '@'.
QStringList statementParams(const QString& sql);
// The table of "SELECT ... FROM <table> [alias] [WHERE|ORDER|GROUP ...]" without schema and
// brackets; empty when the outer FROM names no table or joins several.
QString singleTableOf(const QString& sql);

}  // namespace zur::db
