// The statements that store a posted or deleted record in the base table, values bound.

#include "platform/db/connection.h"
#include "platform/db/dataset/dataset_impl.h"
#include "platform/db/dataset/statement_scan.h"

namespace zur::db {

namespace {

QString quoted(const QString& name) {
    return u'[' + name + u']';
}

bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull()) {
        return a.isNull() == b.isNull();
    }
    return a == b;
}

}  // namespace

QString DataSet::resolvedTable() const {
    return updateTable_.isEmpty() ? singleTableOf(sqlText()) : updateTable_;
}

QStringList DataSet::resolvedKeys() const {
    if (!keyFields_.isEmpty()) {
        return keyFields_;
    }
    QStringList keys;
    for (const auto& field : fields_) {
        if (field->type() == FieldType::AutoInc && field->kind() == FieldKind::Data) {
            keys.append(field->name());
        }
    }
    const QString table = resolvedTable();
    if (keys.isEmpty() && !table.isEmpty() && findField(QStringLiteral("id_") + table) != nullptr) {
        keys.append(findField(QStringLiteral("id_") + table)->name());
    }
    return keys;
}

bool DataSet::isStored(const Field& field) const {
    const std::size_t i = std::size_t(field.index());
    return field.kind() == FieldKind::Data && i < d_->columnOf.size() && d_->columnOf[i] >= 0 &&
           !d_->duplicate[i];
}

namespace {

struct Statement {
    QString table;
    Params params;

    QString bind(const QVariant& value) {
        const QString name = QStringLiteral("zv%1").arg(params.size());
        params.append({name, value});
        return u':' + name;
    }
};

QString requireTable(const DataSet& dataSet, const QString& table) {
    if (table.isEmpty()) {
        throw DbError(QStringLiteral("%1: не определена таблица для записи изменений")
                          .arg(dataSet.objectName()));
    }
    return table;
}

// " WHERE [k] = :zvN AND ..." with the key values of `values`; key names that are no field are
// taken from the parameters.
QString keyCondition(const DataSet& dataSet, const QStringList& keys,
                     const std::function<QVariant(const Field&)>& valueOf, Statement& statement) {
    if (keys.isEmpty()) {
        throw DbError(QStringLiteral("%1: не задан ключ таблицы %2")
                          .arg(dataSet.objectName(), statement.table));
    }
    QStringList terms;
    for (const QString& key : keys) {
        const Field* field = dataSet.findField(key);
        const QVariant value = field != nullptr ? valueOf(*field) : dataSet.param(key);
        if (value.isNull()) {
            throw DbError(
                QStringLiteral("%1: пустое значение ключа %2").arg(dataSet.objectName(), key));
        }
        terms.append(quoted(field != nullptr ? field->name() : key) + QStringLiteral(" = ") +
                     statement.bind(value));
    }
    return QStringLiteral(" WHERE ") + terms.join(QStringLiteral(" AND "));
}

}  // namespace

void DataSet::writeUpdate() {
    Statement statement{requireTable(*this, resolvedTable()), {}};
    QStringList sets;
    for (const auto& field : fields_) {
        const int i = field->index();
        if (isStored(*field) && !sameValue(d_->buffer.values[i], d_->old.values[i])) {
            sets.append(quoted(field->name()) + QStringLiteral(" = ") +
                        statement.bind(d_->buffer.values[i]));
        }
    }
    if (sets.isEmpty()) {
        return;
    }
    const QString where = keyCondition(
        *this, resolvedKeys(), [this](const Field& f) { return d_->old.values[f.index()]; },
        statement);
    const QString sql = QStringLiteral("UPDATE %1 SET %2%3")
                            .arg(quoted(statement.table), sets.join(QStringLiteral(", ")), where);
    if (connection_->execute(sql, statement.params) == 0) {
        throw DbError(
            QStringLiteral("Запись для изменения не найдена (таблица %1)").arg(statement.table));
    }
}

void DataSet::writeInsert() {
    Statement statement{requireTable(*this, resolvedTable()), {}};
    QStringList columns;
    QStringList values;
    for (const auto& field : fields_) {
        const QVariant& value = d_->buffer.values[field->index()];
        if (isStored(*field) && field->type() != FieldType::AutoInc && !value.isNull()) {
            columns.append(quoted(field->name()));
            values.append(statement.bind(value));
        }
    }
    const QString sql =
        columns.isEmpty()
            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(statement.table))
            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(quoted(statement.table), columns.join(QStringLiteral(", ")),
                       values.join(QStringLiteral(", ")));
    connection_->execute(sql, statement.params);
    const QStringList keys = resolvedKeys();
    Field* key = keys.size() == 1 ? findField(keys.first()) : nullptr;
    if (key != nullptr && d_->buffer.values[key->index()].isNull()) {
        d_->buffer.values[key->index()] = key->convert(connection_->lastInsertId());
    }
}

void DataSet::writeDelete() {
    Statement statement{requireTable(*this, resolvedTable()), {}};
    Row& row = d_->rows[std::size_t(sourceRow(current_))];
    const QString where = keyCondition(
        *this, resolvedKeys(), [&row](const Field& f) { return row.values[f.index()]; }, statement);
    const QString sql = QStringLiteral("DELETE FROM %1%2").arg(quoted(statement.table), where);
    if (connection_->execute(sql, statement.params) == 0) {
        throw DbError(
            QStringLiteral("Запись для удаления не найдена (таблица %1)").arg(statement.table));
    }
}

}  // namespace zur::db
