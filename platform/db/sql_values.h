#pragma once
// How values are stored: date-times as one ISO text form, booleans as 0/1, integers as 64 bits.

#include <QDateTime>
#include <QVariant>

namespace zur::db {

// The one text form of a stored date-time: "yyyy-MM-dd hh:mm:ss".
QString storedDateTimeText(const QDateTime& value);
// Reads the stored form (also "yyyy-MM-dd" and a 'T' separator); invalid when it is not one.
QDateTime parseStoredDateTime(const QString& text);
// Value types stored as integers (booleans among them), and as floating-point numbers.
bool isIntegerType(int typeId);
bool isFloatType(int typeId);
// `value` as the engine stores it: null, qlonglong, double, QString or QByteArray.
QVariant storedValue(const QVariant& value);

}  // namespace zur::db
