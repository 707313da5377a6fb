#pragma once
// Date texts: the one stored form "yyyy-MM-dd hh:mm:ss" and the day-month-year form that
// statements and users write ("5.3.2024", "05.03.2024 14:40:11").

#include <QDateTime>
#include <optional>
#include <string_view>

namespace zur::tsql {

inline constexpr const char* kStoredDateFormat = "yyyy-MM-dd hh:mm:ss";

// Reads a day-month-year text, optionally followed by " hh:mm" or " hh:mm:ss". Returns nothing
// for any other shape; `valid` tells whether the calendar date exists.
struct DayMonthYear {
    QDateTime value;
    bool valid = false;
};
std::optional<DayMonthYear> readDayMonthYear(const QString& text);

// Reads either the stored form (also date-only "yyyy-MM-dd" and with a 'T' or fractions of a
// second) or the day-month-year form. Returns an invalid QDateTime otherwise.
QDateTime readDateText(const QString& text);

// The calendar date of a text exactly in the stored form, date-only or with hh:mm:ss, read
// straight from its UTF-8 bytes; nothing for any other text (readDateText reads the others).
std::optional<QDate> readStoredDate(std::string_view utf8);

QString storedDateText(const QDateTime& value);

}  // namespace zur::tsql
