#include "platform/db/dataset/dataset.h"

#include "platform/db/connection.h"
#include "platform/db/dataset/dataset_impl.h"
#include "platform/db/dataset/field_values.h"
#include "platform/db/dataset/statement_scan.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace zur::db {

namespace {

QString paramKey(QString name) {
    while (name.startsWith(u':') || name.startsWith(u'@')) {
        name.remove(0, 1);
    }
    return name.toLower();
}

FieldType typeOfValue(const QVariant& sample) {
    switch (sample.typeId()) {
        case QMetaType::LongLong:
        case QMetaType::Int:
            return FieldType::Integer;
        case QMetaType::Double:
            return FieldType::Float;
        case QMetaType::Bool:
            return FieldType::Boolean;
        case QMetaType::QDateTime:
            return FieldType::DateTime;
        case QMetaType::QByteArray:
            return FieldType::Blob;
        default:
            return FieldType::String;
    }
}

FieldType typeOfColumn(const QString& declared, const QVariant& sample) {
    const QString type = declared.toUpper();
    const auto has = [&type](const char* word) { return type.contains(QLatin1String(word)); };
    if (type.isEmpty()) {
        return typeOfValue(sample);
    }
    if (has("BOOL") || type == u"BIT") {
        return FieldType::Boolean;
    }
    if (has("SMALLINT") || has("TINYINT")) {
        return FieldType::SmallInt;
    }
    if (has("INT")) {
        return FieldType::Integer;
    }
    if (has("REAL") || has("FLOA") || has("DOUB") || has("MONEY") || has("DEC") || has("NUMERIC")) {
        return FieldType::Float;
    }
    if (has("DATE") || has("TIME")) {
        return type == u"DATE" ? FieldType::Date : FieldType::DateTime;
    }
    if (has("BLOB") || has("BINARY") || has("IMAGE")) {
        return FieldType::Blob;
    }
    if (has("NCHAR") || has("NVARCHAR") || has("NTEXT")) {
        return FieldType::WideString;
    }
    return FieldType::String;
}

int sizeOfColumn(const QString& declared) {
    static const QRegularExpression size(QStringLiteral(R"(\(\s*(\d+))"));
    const QRegularExpressionMatch match = size.match(declared);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QVariant sampleOf(const ResultSet& result, int column) {
    const int rows = std::min(int(result.rows.size()), 100);
    for (int row = 0; row < rows; ++row) {
        if (!result.rows[row][column].isNull()) {
            return result.rows[row][column];
        }
    }
    return {};
}

int expectedTypeId(FieldType type) {
    switch (type) {
        case FieldType::Integer:
        case FieldType::AutoInc:
        case FieldType::SmallInt:
            return QMetaType::LongLong;
        case FieldType::Float:
            return QMetaType::Double;
        case FieldType::Boolean:
            return QMetaType::Bool;
        case FieldType::Date:
        case FieldType::DateTime:
            return QMetaType::QDateTime;
        case FieldType::String:
        case FieldType::WideString:
            return QMetaType::QString;
        case FieldType::Blob:
            return QMetaType::QByteArray;
    }
    return QMetaType::UnknownType;
}

// A value read from the database in the field's own type; left as read when it cannot be.
void normalize(const Field& field, QVariant& value) {
    if (value.isNull() || value.typeId() == expectedTypeId(field.type())) {
        return;
    }
    try {
        value = field.convert(value);
    } catch (const FieldError&) {
        // Shown as the database gave it.
    }
}

}  // namespace

DataSet::DataSet(Connection* connection, QObject* parent)
    : QObject(parent), connection_(connection), d_(std::make_unique<Impl>()) {}

DataSet::~DataSet() = default;

void DataSet::setSql(const QStringList& lines) {
    close();
    sql_ = lines;
}

void DataSet::setTableName(const QString& table) {
    setSql(QStringLiteral("SELECT * FROM [%1]").arg(table));
}

void DataSet::setUpdateTable(const QString& table, const QStringList& keyFields) {
    updateTable_ = table;
    keyFields_ = keyFields;
}

QString DataSet::updateTable() const {
    return resolvedTable();
}

QStringList DataSet::keyFields() const {
    return resolvedKeys();
}

QStringList DataSet::paramNames() const {
    return statementParams(sqlText());
}

void DataSet::setParam(const QString& name, const QVariant& value) {
    params_.insert(paramKey(name), value);
}

QVariant DataSet::param(const QString& name) const {
    return params_.value(paramKey(name));
}

Params DataSet::boundParams() const {
    Params result;
    for (const QString& name : paramNames()) {
        result.append({name, param(name)});
    }
    return result;
}

Field& DataSet::addField(const FieldDef& def) {
    if (isOpen()) {
        throw DbError(QStringLiteral("%1: поля задаются до открытия").arg(objectName()));
    }
    if (!persistentFields_) {
        fields_.clear();
        persistentFields_ = true;
    }
    fields_.push_back(std::make_unique<Field>(*this, def, int(fields_.size())));
    DataSet* source = def.lookupDataSet;
    if (def.kind == FieldKind::Lookup && source != nullptr && !d_->lookupSources.contains(source)) {
        d_->lookupSources.insert(source);
        const auto follow = [this] {
            if (isOpen()) {
                emit rowsChanged();
            }
        };
        connect(source, &DataSet::rowsChanged, this, follow);
        connect(source, &DataSet::recordChanged, this, follow);
    }
    return *fields_.back();
}

void DataSet::clearFields() {
    close();
    fields_.clear();
    persistentFields_ = false;
}

Field* DataSet::findField(const QString& name) const {
    for (const auto& field : fields_) {
        if (field->name().compare(name, Qt::CaseInsensitive) == 0) {
            return field.get();
        }
    }
    return nullptr;
}

Field& DataSet::fieldByName(const QString& name) const {
    Field* field = findField(name);
    if (field == nullptr) {
        throw DbError(QStringLiteral("%1: поле '%2' не найдено").arg(objectName(), name));
    }
    return *field;
}

void DataSet::makeFields(const ResultSet& result) {
    fields_.clear();
    for (int column = 0; column < result.columns.size(); ++column) {
        const Column& source = result.columns[column];
        QString name = source.name;
        for (int n = 1; findField(name) != nullptr; ++n) {
            name = QStringLiteral("%1_%2").arg(source.name).arg(n);
        }
        const FieldDef def =
            FieldDef::data(name, typeOfColumn(source.declaredType, sampleOf(result, column)),
                           sizeOfColumn(source.declaredType));
        fields_.push_back(std::make_unique<Field>(*this, def, column));
    }
}

void DataSet::loadRows(ResultSet& result) {
    const int count = fieldCount();
    d_->columnOf.assign(std::size_t(count), -1);
    d_->duplicate.assign(std::size_t(count), false);
    for (int i = 0; i < count; ++i) {
        const Field& field = *fields_[std::size_t(i)];
        if (field.kind() != FieldKind::Data) {
            continue;
        }
        if (persistentFields_) {
            d_->columnOf[std::size_t(i)] = result.columnIndex(field.name());
        } else {
            d_->columnOf[std::size_t(i)] = i;
            d_->duplicate[std::size_t(i)] = field.name() != result.columns[i].name;
        }
    }
    d_->rows.clear();
    d_->rows.reserve(std::size_t(result.rows.size()));
    for (QVector<QVariant>& source : result.rows) {
        Row row;
        if (persistentFields_) {
            row.values.resize(count);
            for (int i = 0; i < count; ++i) {
                const int column = d_->columnOf[std::size_t(i)];
                if (column >= 0) {
                    row.values[i] = std::move(source[column]);
                }
            }
        } else {
            row.values = std::move(source);
        }
        for (int i = 0; i < count; ++i) {
            normalize(*fields_[std::size_t(i)], row.values[i]);
        }
        d_->rows.push_back(std::move(row));
    }
}

void DataSet::open() {
    if (isOpen()) {
        return;
    }
    if (connection_ == nullptr) {
        throw DbError(QStringLiteral("%1: не задано соединение").arg(objectName()));
    }
    try {
        fire(beforeOpen);
    } catch (const Abort&) {
        return;
    }
    ResultSet result = connection_->query(sqlText(), boundParams());
    if (!persistentFields_) {
        makeFields(result);
    }
    loadRows(result);
    d_->editRow = -1;
    modified_ = false;
    state_ = DataSetState::Browse;
    rebuildView();
    current_ = view_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = view_.empty();
    emit stateChanged();
    emit opened();
    rowsReset();
    emit scrolled();
    try {
        fire(afterOpen);
        fire(afterScroll);
    } catch (const Abort&) {
    }
}

void DataSet::close() {
    if (!isOpen()) {
        return;
    }
    try {
        fire(beforeClose);
    } catch (const Abort&) {
        return;
    }
    d_->rows.clear();
    d_->editRow = -1;
    view_.clear();
    current_ = -1;
    bof_ = eof_ = true;
    modified_ = false;
    if (!persistentFields_) {
        fields_.clear();
    }
    setState(DataSetState::Inactive);
    emit closed();
    rowsReset();
    try {
        fire(afterClose);
    } catch (const Abort&) {
    }
}

void DataSet::requery() {
    checkBrowseMode();
    close();
    open();
}

void DataSet::reopen(const QStringList& lines) {
    close();
    clearFields();
    setSql(lines);
    open();
}

bool DataSet::isEditing() const {
    return state_ == DataSetState::Edit || state_ == DataSetState::Insert;
}

void DataSet::setState(DataSetState state) {
    if (state_ != state) {
        state_ = state;
        emit stateChanged();
    }
}

void DataSet::fire(const Event& event) {
    if (event) {
        event(*this);
    }
}

void DataSet::rowsReset() {
    d_->lookupIndex.clear();
    emit rowsChanged();
}

int DataSet::sourceRow(int row) const {
    return view_.at(std::size_t(row));
}

DataSet::Row* DataSet::currentRow() const {
    if (d_->calcRow != nullptr) {
        return d_->calcRow;
    }
    if (isEditing()) {
        return &d_->buffer;
    }
    return current_ >= 0 ? &d_->rows[std::size_t(sourceRow(current_))] : nullptr;
}

QVariant DataSet::valueOf(Row& row, int fieldIndex) const {
    const Field& field = *fields_.at(std::size_t(fieldIndex));
    switch (field.kind()) {
        case FieldKind::Data:
            return row.values.value(fieldIndex);
        case FieldKind::Calculated:
            ensureCalculated(row);
            return row.values.value(fieldIndex);
        case FieldKind::Lookup: {
            const FieldDef& def = field.def();
            const Field* key = findField(def.keyField);
            if (key == nullptr || def.lookupDataSet == nullptr) {
                return {};
            }
            const QVariant keyValue = valueOf(row, key->index());
            if (keyValue.isNull()) {
                return {};
            }
            return def.lookupDataSet->lookup(def.lookupKeyField, keyValue, def.lookupResultField);
        }
    }
    return {};
}

void DataSet::ensureCalculated(Row& row) const {
    if (row.calculated || !onCalcFields) {
        return;
    }
    row.calculated = true;
    Row* previous = d_->calcRow;
    d_->calcRow = &row;
    try {
        onCalcFields(const_cast<DataSet&>(*this));
    } catch (...) {
        d_->calcRow = previous;
        throw;
    }
    d_->calcRow = previous;
}

QVariant DataSet::currentValue(int fieldIndex) const {
    Row* row = currentRow();
    return row == nullptr ? QVariant() : valueOf(*row, fieldIndex);
}

QVariant DataSet::oldValueOf(int fieldIndex) const {
    if (state_ == DataSetState::Insert) {
        return {};
    }
    if (state_ == DataSetState::Edit && d_->calcRow == nullptr) {
        return valueOf(d_->old, fieldIndex);
    }
    return currentValue(fieldIndex);
}

void DataSet::assign(int fieldIndex, const QVariant& value) {
    Field& field = *fields_.at(std::size_t(fieldIndex));
    if (d_->calcRow != nullptr && field.kind() == FieldKind::Calculated) {
        d_->calcRow->values.resize(fieldCount());
        d_->calcRow->values[fieldIndex] = field.convert(value);
        return;
    }
    if (!isEditing()) {
        throw DbError(QStringLiteral("%1: набор данных не в режиме редактирования или вставки")
                          .arg(objectName()));
    }
    if (field.kind() == FieldKind::Lookup) {
        const FieldDef& def = field.def();
        const QVariant key =
            value.isNull() || def.lookupDataSet == nullptr
                ? QVariant()
                : def.lookupDataSet->lookup(def.lookupResultField, value, def.lookupKeyField);
        fieldByName(def.keyField).setValue(key);
        return;
    }
    if (field.isReadOnly() || field.kind() == FieldKind::Calculated) {
        throw DbError(QStringLiteral("Поле '%1' не может быть изменено").arg(field.name()));
    }
    d_->buffer.values[fieldIndex] = field.convert(value);
    d_->buffer.calculated = false;
    modified_ = true;
    emit fieldChanged(&field);
    emit recordChanged(current_);
}

QVariant DataSet::valueAt(int row, int fieldIndex) const {
    if (row == current_ && isEditing()) {
        return valueOf(d_->buffer, fieldIndex);
    }
    return valueOf(d_->rows[std::size_t(sourceRow(row))], fieldIndex);
}

QString DataSet::textAt(int row, int fieldIndex) const {
    return field(fieldIndex).format(valueAt(row, fieldIndex));
}

}  // namespace zur::db
