#pragma once
// A column of a data set: a persistent definition (type, size, display format, edit mask,
// read-only) or one made from the statement's result; data, lookup or calculated.

#include "platform/db/db_error.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace zur::db {

class DataSet;

enum class FieldType {
    Integer,
    AutoInc,  // read-only; the database assigns it on insert
    Float,
    SmallInt,
    Boolean,
    String,      // single-byte text of at most `size` characters
    WideString,  // Unicode text
    Date,
    DateTime,
    Blob,
};

enum class FieldKind { Data, Lookup, Calculated };

// The grouping the change log works with.
enum class FieldFamily { Float, DateTime, Text, Other };

FieldFamily familyOf(FieldType type);

// A value the field's type cannot take ("12a" into an integer field).
class FieldError : public DbError {
  public:
    using DbError::DbError;
};

struct FieldDef {
    QString name;
    FieldType type = FieldType::Integer;
    int size = 0;  // text fields: maximum length (longer values are cut); 0: unlimited
    FieldKind kind = FieldKind::Data;
    QString displayFormat;  // "0.##" for floats, "DD.MM.YYYY" for dates
    QString editMask;       // kept for the edit controls, e.g. "00/00/0000;1;_"
    QString displayLabel;   // grid title; the name when empty
    bool readOnly = false;

    // Lookup fields: the value is `lookupResultField` of the row of `lookupDataSet` whose
    // `lookupKeyField` equals this data set's `keyField`.
    QString keyField;
    DataSet* lookupDataSet = nullptr;
    QString lookupKeyField;
    QString lookupResultField;

    static FieldDef data(const QString& name, FieldType type, int size = 0);
    static FieldDef lookup(const QString& name, const QString& keyField, DataSet* lookupDataSet,
                           const QString& lookupKeyField, const QString& lookupResultField,
                           int size = 0, FieldType type = FieldType::String);
    static FieldDef calculated(const QString& name, FieldType type, int size = 0);

    FieldDef& format(const QString& displayFormat);
    FieldDef& mask(const QString& editMask);
    FieldDef& label(const QString& displayLabel);
    FieldDef& readOnlyField(bool on = true);
};

// One field of a data set; owned by the data set, valid while its definition stands.
// Reads and writes refer to the current record (the edit buffer while editing).
class Field {
  public:
    Field(DataSet& dataSet, FieldDef def, int index);

    const FieldDef& def() const { return def_; }
    const QString& name() const { return def_.name; }
    FieldType type() const { return def_.type; }
    FieldKind kind() const { return def_.kind; }
    FieldFamily family() const { return familyOf(def_.type); }
    int size() const { return def_.size; }
    int index() const { return index_; }
    bool isReadOnly() const;
    const QString& displayFormat() const { return def_.displayFormat; }
    const QString& editMask() const { return def_.editMask; }
    QString displayLabel() const;
    DataSet& dataSet() const { return dataSet_; }

    QVariant value() const;
    // Converts `value` to the field's type; throws FieldError when it cannot take it and
    // DbError when the data set is not editing. A lookup field sets its key field instead.
    void setValue(const QVariant& value);
    void clear() { setValue(QVariant()); }
    // The value when the current edit began (null for a new record).
    QVariant oldValue() const;
    bool isNull() const { return value().isNull(); }

    // The display text (display format applied); empty for null.
    QString text() const;
    // The value as text without display format ("" for null); floats with a comma.
    QString asString() const;
    qint64 asInteger() const;  // 0 for null; throws FieldError for a text that is no number
    double asFloat() const;
    bool asBoolean() const;
    QDateTime asDateTime() const;  // invalid for null

    // Converts `value` as this field stores it (for comparisons and assignment).
    QVariant convert(const QVariant& value) const;
    // The display text of a value of this field.
    QString format(const QVariant& value) const;

  private:
    DataSet& dataSet_;
    FieldDef def_;
    int index_;
};

}  // namespace zur::db
