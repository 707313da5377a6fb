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

QString storedDateText(const QDateTime& value) {
    return value.toString(QLatin1String(kStoredDateFormat));
}

}  // namespace zur::tsql
