#pragma once
// Comparison of UTF-8 texts as SQL Server's case-insensitive Cyrillic collation does it: letters
// compare without regard to case (Unicode case folding as QString::toCaseFolded does it),
// trailing blanks do not count. Works on the stored bytes without building strings, so that
// sorting and indexing many rows stays cheap.

#include <string_view>

namespace zur::tsql {

// Negative, zero or positive as `left` sorts before, equal to or after `right`. The order is
// that of the UTF-16 code units of the folded texts.
int compareFolded(std::string_view left, std::string_view right);

}  // namespace zur::tsql
