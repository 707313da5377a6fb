#include "platform/db/sql_values.h"

namespace zur::db {

QString storedDateTimeText(const QDateTime& value) {
    return value.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QDateTime parseStoredDateTime(const QString& text) {
    if (text.size() < 10 || text[4] != u'-' || text[7] != u'-') {
        return {};
    }
    QString normal = text.left(19);
    normal.replace(u'T', u' ');
    if (normal.size() == 10) {
        normal += QStringLiteral(" 00:00:00");
    }
    if (normal.size() == 16) {
        normal += QStringLiteral(":00");
    }
    return QDateTime::fromString(normal, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QVariant storedValue(const QVariant& value) {
    if (value.isNull()) {
        return {};
    }
    switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return value.toLongLong();
        case QMetaType::Double:
        case QMetaType::Float:
            return value.toDouble();
        case QMetaType::QDateTime:
            return storedDateTimeText(value.toDateTime());
        case QMetaType::QDate:
            return storedDateTimeText(value.toDate().startOfDay());
        case QMetaType::QByteArray:
            return value;
        default:
            return value.toString();
    }
}

}  // namespace zur::db
