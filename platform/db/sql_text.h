#pragma once
// Values written into SQL text. Every text a user typed goes through sqlString.

#include <QString>

namespace zur::db {

// `text` as an SQL string literal: in single quotes, inner quotes doubled.
inline QString sqlString(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

}  // namespace zur::db
