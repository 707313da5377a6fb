#include "platform/db/odbc_backend.h"

#include "platform/db/db_error.h"
#include "platform/db/sql_values.h"
#include "platform/db/tsql/translator.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace zur::db {

namespace {

QString errorText(const QSqlError& error) {
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.trimmed();
}

QVariant readValue(const QVariant& value) {
    if (value.isNull()) {
        return {};
    }
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::Bool:
            return value.toLongLong();
        case QMetaType::Float:
            return value.toDouble();
        case QMetaType::QDate:
            return value.toDate().startOfDay();
        default:
            return value;
    }
}

}  // namespace

OdbcBackend::OdbcBackend(const QString& odbcConnectionString, bool sqliteDialect)
    : name_(QStringLiteral("zur-odbc-") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
      sqliteDialect_(sqliteDialect) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name_);
    db.setDatabaseName(odbcConnectionString);
    db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=15"));
    if (!db.open()) {
        const QString message = errorText(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
        throw DbError(message);
    }
}

OdbcBackend::~OdbcBackend() {
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

ResultSet OdbcBackend::run(const QString& sql, const Params& params) {
    const tsql::PositionalStatement positional = tsql::positionalize(sql, sqliteDialect_);
    QSqlQuery query(QSqlDatabase::database(name_, false));
    query.setForwardOnly(true);
    if (!query.prepare(positional.sql)) {
        throw DbError(errorText(query.lastError()));
    }
    for (const QString& name : positional.names) {
        const QVariant* value = findParam(params, name);
        if (value == nullptr) {
            throw DbError(QStringLiteral("Параметр %1 не задан").arg(name));
        }
        query.addBindValue(storedValue(*value));
    }
    if (!query.exec()) {
        throw DbError(errorText(query.lastError()));
    }
    ResultSet result;
    if (!query.isSelect()) {
        result.rowsAffected = query.numRowsAffected();
        return result;
    }
    const QSqlRecord record = query.record();
    for (int c = 0; c < record.count(); ++c) {
        result.columns.append(
            {record.fieldName(c), QString::fromLatin1(record.field(c).metaType().name())});
    }
    while (query.next()) {
        QVector<QVariant> row(record.count());
        for (int c = 0; c < record.count(); ++c) {
            row[c] = readValue(query.value(c));
        }
        result.rows.append(std::move(row));
    }
    return result;
}

void OdbcBackend::runScript(const QString& sql) {
    run(sql, {});
}

QVariant OdbcBackend::lastInsertId() {
    const ResultSet result =
        run(sqliteDialect_ ? QStringLiteral("SELECT last_insert_rowid()")
                           : QStringLiteral("SELECT CAST(@@IDENTITY AS BIGINT)"),
            {});
    return result.rows.isEmpty() ? QVariant() : result.rows.first().value(0);
}

void OdbcBackend::begin() {
    if (!QSqlDatabase::database(name_, false).transaction()) {
        throw DbError(errorText(QSqlDatabase::database(name_, false).lastError()));
    }
}

void OdbcBackend::commit() {
    if (!QSqlDatabase::database(name_, false).commit()) {
        throw DbError(errorText(QSqlDatabase::database(name_, false).lastError()));
    }
}

void OdbcBackend::rollback() {
    QSqlDatabase::database(name_, false).rollback();
}

}  // namespace zur::db
