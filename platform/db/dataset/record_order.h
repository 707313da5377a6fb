#pragma once
// The client-side filter and sort texts of a data set, read into terms.

#include <QString>
#include <QVariant>
#include <QVector>

namespace zur::db {

enum class CompareOp { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };

struct FilterTerm {
    QString field;
    CompareOp op = CompareOp::Equal;
    QVariant value;  // null for NULL
};

// "a = 1 AND b <> 'x'"; throws DbError for anything else.
QVector<FilterTerm> parseFilter(const QString& text);
// Whether a value that compares to the term's value as `order` (<0, 0, >0) passes; a null value
// passes only "= NULL", a value only "<> NULL".
bool passes(const FilterTerm& term, const QVariant& value, int order);

struct SortKey {
    QString field;
    bool descending = false;
};

// "a, b DESC" (also ';' between names, ASC); throws DbError for an empty name.
QVector<SortKey> parseSort(const QString& text);

}  // namespace zur::db
