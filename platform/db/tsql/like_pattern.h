#pragma once
// Text matching as SQL Server's case-insensitive Cyrillic collation does it: letters compare
// without regard to case (Unicode case folding), trailing blanks do not count in comparisons.

#include <QString>

namespace zur::tsql {

// The form under which two texts compare equal exactly when the collation calls them equal.
QString foldForComparison(const QString& text);

// `value` LIKE `pattern`: % any run, _ one character, [abc] [a-z] [^abc] one of a set; `escape`
// (when not null) makes the next pattern character literal. Case-insensitive.
bool likeMatches(const QString& pattern, const QString& value, QChar escape = QChar());

}  // namespace zur::tsql
