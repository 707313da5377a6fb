#pragma once
// LIKE as SQL Server's case-insensitive Cyrillic collation does it: letters match without
// regard to case (Unicode case folding).

#include <QString>

namespace zur::tsql {

// `value` LIKE `pattern`: % any run, _ one character, [abc] [a-z] [^abc] one of a set; `escape`
// (when not null) makes the next pattern character literal. Case-insensitive.
bool likeMatches(const QString& pattern, const QString& value, QChar escape = QChar());

}  // namespace zur::tsql
