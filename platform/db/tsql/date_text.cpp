#include "platform/db/tsql/date_text.h"

#include <QRegularExpression>

namespace zur::tsql {

std::optional<DayMonthYear> readDayMonthYear(const QString& text) {
    static const QRegularExpression shape(
        QStringLiteral(R"(^(\d{1,2})\.(\d{1,2})\.(\d{4})(?: (\d{1,2}):(\d{2})(?::(\d{2}))?)?$)"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    DayMonthYear out;
    out.valid = date.isValid() && time.isValid();
    if (out.valid)
        out.value = QDateTime(date, time);
    return out;
}

QDateTime readDateText(const QString& text) {
    static const QRegularExpression iso(QStringLiteral(
        R"(^(\d{4})-(\d{2})-(\d{2})(?:[ T](\d{2}):(\d{2})(?::(\d{2})(?:\.\d+)?)?)?$)"));
    const QRegularExpressionMatch m = iso.match(text.trimmed());
    if (m.hasMatch()) {
        const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        return date.isValid() && time.isValid() ? QDateTime(date, time) : QDateTime();
    }
    const auto dmy = readDayMonthYear(text.trimmed());
    return dmy && dmy->valid ? dmy->value : QDateTime();
}

namespace {

// The number the digits text[from, from + count) write.
int digitsAt(std::string_view text, size_t from, size_t count) {
    int value = 0;
    for (size_t i = from; i < from + count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

}  // namespace

std::optional<QDate> readStoredDate(std::string_view utf8) {
    constexpr std::string_view kDateShape = "0000-00-00";
    constexpr std::string_view kDateTimeShape = "0000-00-00 00:00:00";
    if (utf8.size() != kDateShape.size() && utf8.size() != kDateTimeShape.size())
        return std::nullopt;
    for (size_t i = 0; i < utf8.size(); ++i) {  // digits where the shape has 0, else its separator
        const bool digit = utf8[i] >= '0' && utf8[i] <= '9';
        if (digit != (kDateTimeShape[i] == '0') || (!digit && utf8[i] != kDateTimeShape[i]))
            return std::nullopt;
    }
    const int year = digitsAt(utf8, 0, 4);
    const int month = digitsAt(utf8, 5, 2);
    const int day = digitsAt(utf8, 8, 2);
    if (!QDate::isValid(year, month, day))
        return std::nullopt;
    if (utf8.size() == kDateTimeShape.size() &&
        !QTime::isValid(digitsAt(utf8, 11, 2), digitsAt(utf8, 14, 2), digitsAt(utf8, 17, 2)))
        return std::nullopt;
    return QDate(year, month, day);
}

QString storedDateText(const QDateTime& value) {
    return value.toString(QLatin1String(kStoredDateFormat));
}

}  // namespace zur::tsql
