#include "platform/db/dataset/field.h"

#include "platform/db/dataset/dataset.h"
#include "platform/db/dataset/field_values.h"

namespace zur::db {

FieldFamily familyOf(FieldType type) {
    switch (type) {
        case FieldType::Float:
            return FieldFamily::Float;
        case FieldType::Date:
        case FieldType::DateTime:
            return FieldFamily::DateTime;
        case FieldType::String:
        case FieldType::WideString:
            return FieldFamily::Text;
        default:
            return FieldFamily::Other;
    }
}

FieldDef FieldDef::data(const QString& name, FieldType type, int size) {
    FieldDef def;
    def.name = name;
    def.type = type;
    def.size = size;
    def.readOnly = type == FieldType::AutoInc;
    return def;
}

FieldDef FieldDef::lookup(const QString& name, const QString& keyField, DataSet* lookupDataSet,
                          const QString& lookupKeyField, const QString& lookupResultField, int size,
                          FieldType type) {
    FieldDef def = data(name, type, size);
    def.kind = FieldKind::Lookup;
    def.keyField = keyField;
    def.lookupDataSet = lookupDataSet;
    def.lookupKeyField = lookupKeyField;
    def.lookupResultField = lookupResultField;
    return def;
}

FieldDef FieldDef::calculated(const QString& name, FieldType type, int size) {
    FieldDef def = data(name, type, size);
    def.kind = FieldKind::Calculated;
    return def;
}

FieldDef& FieldDef::format(const QString& text) {
    displayFormat = text;
    return *this;
}

FieldDef& FieldDef::mask(const QString& text) {
    editMask = text;
    return *this;
}

FieldDef& FieldDef::label(const QString& text) {
    displayLabel = text;
    return *this;
}

FieldDef& FieldDef::readOnlyField(bool on) {
    readOnly = on;
    return *this;
}

Field::Field(DataSet& dataSet, FieldDef def, int index)
    : dataSet_(dataSet), def_(std::move(def)), index_(index) {}

bool Field::isReadOnly() const {
    return def_.readOnly || def_.type == FieldType::AutoInc;
}

QString Field::displayLabel() const {
    return def_.displayLabel.isEmpty() ? def_.name : def_.displayLabel;
}

QVariant Field::value() const {
    return dataSet_.currentValue(index_);
}

void Field::setValue(const QVariant& value) {
    dataSet_.assign(index_, value);
}

QVariant Field::oldValue() const {
    return dataSet_.oldValueOf(index_);
}

QString Field::text() const {
    return format(value());
}

QString Field::asString() const {
    return formatFieldValue(value(), def_.type, {});
}

qint64 Field::asInteger() const {
    const QVariant result = convertToField(value(), FieldType::Integer, 0, def_.name);
    return result.toLongLong();
}

double Field::asFloat() const {
    return convertToField(value(), FieldType::Float, 0, def_.name).toDouble();
}

bool Field::asBoolean() const {
    return convertToField(value(), FieldType::Boolean, 0, def_.name).toBool();
}

QDateTime Field::asDateTime() const {
    return convertToField(value(), FieldType::DateTime, 0, def_.name).toDateTime();
}

QVariant Field::convert(const QVariant& value) const {
    return convertToField(value, def_.type, def_.size, def_.name);
}

QString Field::format(const QVariant& value) const {
    return formatFieldValue(value, def_.type, def_.displayFormat);
}

}  // namespace zur::db
