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

bool isIntegerType(int typeId) {
    switch (typeId) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return true;
        default:
            return false;
    }
}

bool isFloatType(int typeId) {
    return typeId == QMetaType::Double || typeId == QMetaType::Float;
}

QVariant storedValue(const QVariant& value) {
    if (value.isNull()) {
        return {};
    }
    if (isIntegerType(value.typeId())) {
        return value.toLongLong();
    }
    if (isFloatType(value.typeId())) {
        return value.toDouble();
    }
    switch (value.typeId()) {
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
