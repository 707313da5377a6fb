#include "platform/db/dataset/field_values.h"

#include "platform/db/sql_values.h"

#include <QRegularExpression>
#include <cmath>

namespace zur::db {

namespace {

bool isNumber(const QVariant& value) {
    return isIntegerType(value.typeId()) || isFloatType(value.typeId());
}

bool isText(const QVariant& value) {
    return value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray;
}

[[noreturn]] void refuse(const QVariant& value, const QString& what, const QString& name) {
    throw FieldError(QStringLiteral("'%1' не является допустимым значением (%2) для поля %3")
                         .arg(value.toString(), what, name));
}

QVariant toInteger(const QVariant& value, FieldType type, const QString& name) {
    qint64 result = 0;
    if (isNumber(value)) {
        const double number = value.toDouble();
        result = value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float
                     ? qRound64(number)
                     : value.toLongLong();
    } else {
        bool ok = false;
        result = value.toString().trimmed().toLongLong(&ok);
        if (!ok) {
            refuse(value, QStringLiteral("целое число"), name);
        }
    }
    if (type == FieldType::SmallInt && (result < -32768 || result > 32767)) {
        refuse(value, QStringLiteral("малое целое число"), name);
    }
    return QVariant(qlonglong(result));
}

QVariant toFloat(const QVariant& value, const QString& name) {
    if (isNumber(value)) {
        return value.toDouble();
    }
    QString text = value.toString().trimmed();
    text.replace(u',', u'.');
    bool ok = false;
    const double result = text.toDouble(&ok);
    if (!ok || !std::isfinite(result)) {
        refuse(value, QStringLiteral("число"), name);
    }
    return result;
}

QVariant toBoolean(const QVariant& value, const QString& name) {
    if (isNumber(value)) {
        return value.toDouble() != 0;
    }
    const QString text = value.toString().trimmed().toLower();
    if (text == u"true" || text == u"1") {
        return true;
    }
    if (text == u"false" || text == u"0") {
        return false;
    }
    refuse(value, QStringLiteral("логическое значение"), name);
}

QVariant toDateTime(const QVariant& value, FieldType type, const QString& name) {
    QDateTime result;
    if (value.typeId() == QMetaType::QDateTime) {
        result = value.toDateTime();
    } else if (value.typeId() == QMetaType::QDate) {
        result = value.toDate().startOfDay();
    } else if (isText(value)) {
        result = parseDateText(value.toString());
    }
    if (!result.isValid()) {
        refuse(value, QStringLiteral("дата"), name);
    }
    if (type == FieldType::Date) {
        result = result.date().startOfDay();
    }
    return result;
}

QString numberText(double value) {
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', u',');
    return text;
}

// "0.##", "0.00", "#0.0#": minimum and maximum digits after the separator.
QString formatFloat(double value, const QString& format) {
    const qsizetype point = format.indexOf(u'.');
    const QString decimals = point < 0 ? QString() : format.mid(point + 1);
    const int most = int(decimals.count(u'0') + decimals.count(u'#'));
    const int least = int(decimals.count(u'0'));
    QString text = QString::number(value, 'f', most);
    if (most > least) {
        const qsizetype separator = text.indexOf(u'.');
        qsizetype end = text.size();
        while (end > separator + 1 + least && text[end - 1] == u'0') {
            --end;
        }
        if (end == separator + 1) {
            --end;
        }
        text.truncate(end);
    }
    if (text == u"-0") {
        text = QStringLiteral("0");
    }
    text.replace(u'.', u',');
    return text;
}

// A display format of dates ("DD.MM.YYYY", "dd.mm.yyyy hh:nn") in Qt's letters: 'm' after
// an hour and 'n' are minutes.
QString qtDateFormat(const QString& format) {
    QString result;
    QChar last;
    for (const QChar c : format) {
        const QChar lower = c.toLower();
        if (lower == u'm') {
            result += last == u'h' ? u'm' : u'M';
        } else if (lower == u'n') {
            result += u'm';
        } else {
            result += QStringView(u"dyhs").contains(lower) ? lower : c;
        }
        if (lower.isLetter() && !(lower == u'm' && last == u'h')) {
            last = lower;
        }
    }
    return result;
}

QString formatDate(const QDateTime& value, FieldType type, const QString& format) {
    if (!format.isEmpty()) {
        return value.toString(qtDateFormat(format));
    }
    if (type == FieldType::Date || value.time() == QTime(0, 0)) {
        return value.toString(QStringLiteral("dd.MM.yyyy"));
    }
    return value.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
}

}  // namespace

QDateTime parseDateText(const QString& text) {
    const QString trimmed = text.trimmed();
    const QDateTime stored = parseStoredDateTime(trimmed);
    if (stored.isValid()) {
        return stored;
    }
    static const QRegularExpression typed(QStringLiteral(
        R"(^(\d{1,2})[./-](\d{1,2})[./-](\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?$)"));
    const QRegularExpressionMatch match = typed.match(trimmed);
    if (!match.hasMatch()) {
        return {};
    }
    const QDate date(match.captured(3).toInt(), match.captured(2).toInt(),
                     match.captured(1).toInt());
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(),
                     match.captured(6).toInt());
    if (!date.isValid() || !time.isValid()) {
        return {};
    }
    return QDateTime(date, time);
}

QVariant convertToField(const QVariant& value, FieldType type, int size, const QString& name) {
    const bool text = isText(value);
    if (value.isNull() || (text && type != FieldType::String && type != FieldType::WideString &&
                           value.toString().trimmed().isEmpty())) {
        return {};
    }
    switch (type) {
        case FieldType::Integer:
        case FieldType::AutoInc:
        case FieldType::SmallInt:
            return toInteger(value, type, name);
        case FieldType::Float:
            return toFloat(value, name);
        case FieldType::Boolean:
            return toBoolean(value, name);
        case FieldType::Date:
        case FieldType::DateTime:
            if (text && value.toString()
                            .remove(QRegularExpression(QStringLiteral("[\\s./:_-]")))
                            .isEmpty()) {
                return {};  // an edit mask with nothing typed into it
            }
            return toDateTime(value, type, name);
        case FieldType::String:
        case FieldType::WideString: {
            QString result = value.typeId() == QMetaType::Double
                                 ? numberText(value.toDouble())
                                 : (value.typeId() == QMetaType::QDateTime
                                        ? formatDate(value.toDateTime(), FieldType::DateTime, {})
                                        : value.toString());
            if (size > 0 && result.size() > size) {
                result.truncate(size);
            }
            return result;
        }
        case FieldType::Blob:
            return value;
    }
    return value;
}

QString formatFieldValue(const QVariant& value, FieldType type, const QString& format) {
    if (value.isNull()) {
        return {};
    }
    switch (type) {
        case FieldType::Float:
            return format.isEmpty() ? numberText(value.toDouble())
                                    : formatFloat(value.toDouble(), format);
        case FieldType::Boolean:
            return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        case FieldType::Date:
        case FieldType::DateTime:
            if (value.typeId() == QMetaType::QDateTime) {
                return formatDate(value.toDateTime(), type, format);
            }
            return value.toString();
        default:
            return value.toString();
    }
}

int compareValues(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull()) {
        return int(!a.isNull()) - int(!b.isNull());
    }
    if (isNumber(a) || isNumber(b)) {
        bool okA = true;
        bool okB = true;
        const double x =
            isNumber(a) ? a.toDouble() : a.toString().replace(u',', u'.').toDouble(&okA);
        const double y =
            isNumber(b) ? b.toDouble() : b.toString().replace(u',', u'.').toDouble(&okB);
        if (okA && okB) {
            return x < y ? -1 : (x > y ? 1 : 0);
        }
    }
    if (a.typeId() == QMetaType::QDateTime && b.typeId() == QMetaType::QDateTime) {
        const QDateTime x = a.toDateTime();
        const QDateTime y = b.toDateTime();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
}

QString valueKey(const QVariant& value) {
    if (value.isNull()) {
        return {};
    }
    if (isNumber(value)) {
        const double number = value.toDouble();
        if (number == std::floor(number) && std::abs(number) < 9e15) {
            return u'n' + QString::number(qint64(number));
        }
        return u'n' + QString::number(number, 'g', 17);
    }
    if (value.typeId() == QMetaType::QDateTime) {
        return u'd' + storedDateTimeText(value.toDateTime());
    }
    const QString text = value.toString();
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    return ok ? u'n' + QString::number(number) : u's' + text;
}

}  // namespace zur::db
