#pragma once
// Conversions and display texts of field values, by field type.

#include "platform/db/dataset/field.h"

namespace zur::db {

// `value` converted to what a field of `type` and `size` holds; throws FieldError.
QVariant convertToField(const QVariant& value, FieldType type, int size, const QString& name);
// The display text of a stored value; `format` is the display format (may be empty).
QString formatFieldValue(const QVariant& value, FieldType type, const QString& format);
// Parses a typed date ("dd.mm.yyyy", with an optional time) or a stored one; invalid when none.
QDateTime parseDateText(const QString& text);
// Orders two values: null first, numbers by value, dates by time, texts ignoring letter case.
int compareValues(const QVariant& a, const QVariant& b);
// A hash key under which equal values of any numeric type meet; empty for null.
QString valueKey(const QVariant& value);

}  // namespace zur::db
