#include "platform/db/sqlite_backend.h"

#include "platform/db/db_error.h"
#include "platform/db/sql_values.h"
#include "platform/db/tsql/sqlite_functions.h"

#include <sqlite3.h>

namespace zur::db {

namespace {

// Resets a statement on every way out of a run, so that it can be reused.
struct StatementReset {
    sqlite3_stmt* stmt;
    ~StatementReset() {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    }
};

bool isDateType(const char* declared) {
    if (declared == nullptr) {
        return false;
    }
    const QByteArray type = QByteArray(declared).toUpper();
    return type.contains("DATE") || type.contains("TIME");
}

QString text16(sqlite3_stmt* stmt, int column) {
    const auto* data = static_cast<const char16_t*>(sqlite3_column_text16(stmt, column));
    return QString::fromUtf16(data, sqlite3_column_bytes16(stmt, column) / 2);
}

QVariant columnValue(sqlite3_stmt* stmt, int column, bool dateColumn) {
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_INTEGER:
            return QVariant(qlonglong(sqlite3_column_int64(stmt, column)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt, column));
        case SQLITE_TEXT: {
            const QString text = text16(stmt, column);
            if (dateColumn) {
                const QDateTime stamp = parseStoredDateTime(text);
                if (stamp.isValid()) {
                    return stamp;
                }
            }
            return text;
        }
        case SQLITE_BLOB: {
            const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, column));
            return QByteArray(data, sqlite3_column_bytes(stmt, column));
        }
        default:
            return {};
    }
}

}  // namespace

SqliteBackend::SqliteBackend(const QString& path, bool create) {
    // Allocation statistics cost a global lock per allocation, which string-heavy statements
    // feel; nothing reads them. Takes effect only before the library's first use.
    static const int noMemoryStatistics = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    Q_UNUSED(noMemoryStatistics);
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_close(db_);
        db_ = nullptr;
        throw DbError(QStringLiteral("%1: %2").arg(message, path));
    }
    sqlite3_busy_timeout(db_, 5000);
    // Sorting and DISTINCT over long lists in memory rather than in temporary files.
    if (sqlite3_exec(db_, "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr) != SQLITE_OK ||
        tsql::registerFunctions(db_) != SQLITE_OK) {
        fail();
    }
}

SqliteBackend::~SqliteBackend() {
    forgetStatements();
    sqlite3_close(db_);
}

void SqliteBackend::forgetStatements() {
    for (const Prepared& prepared : std::as_const(statements_)) {
        sqlite3_finalize(prepared.stmt);
    }
    statements_.clear();
}

void SqliteBackend::fail() const {
    throw DbError(QString::fromUtf8(sqlite3_errmsg(db_)));
}

const SqliteBackend::Prepared& SqliteBackend::prepare(const QString& sql) {
    const auto cached = statements_.constFind(sql);
    if (cached != statements_.constEnd()) {
        return *cached;
    }
    sqlite3_stmt* stmt = nullptr;
    const void* tail = nullptr;
    if (sqlite3_prepare16_v3(db_, sql.utf16(), int(sql.size() * 2), SQLITE_PREPARE_PERSISTENT,
                             &stmt, &tail) != SQLITE_OK) {
        fail();
    }
    const auto* rest = static_cast<const char16_t*>(tail);
    const qsizetype consumed = rest - reinterpret_cast<const char16_t*>(sql.utf16());
    if (!QStringView(sql).mid(consumed).trimmed().isEmpty() &&
        QStringView(sql).mid(consumed).trimmed() != u";") {
        sqlite3_finalize(stmt);
        throw DbError(QStringLiteral("Только одна инструкция в запросе: %1").arg(sql));
    }
    if (stmt == nullptr) {
        throw DbError(QStringLiteral("Пустой запрос"));
    }
    Prepared prepared{stmt, {}, {}, {}};
    const int columns = sqlite3_column_count(stmt);
    for (int c = 0; c < columns; ++c) {
        const char* declared = sqlite3_column_decltype(stmt, c);
        prepared.columns.append(
            {QString::fromUtf16(static_cast<const char16_t*>(sqlite3_column_name16(stmt, c))),
             declared ? QString::fromUtf8(declared) : QString()});
        prepared.dateColumns.append(isDateType(declared));
    }
    for (int i = 1; i <= sqlite3_bind_parameter_count(stmt); ++i) {
        const char* name = sqlite3_bind_parameter_name(stmt, i);
        prepared.parameterNames.append(name ? QString::fromUtf8(name) : QString());
    }
    return *statements_.insert(sql, prepared);
}

void SqliteBackend::bind(const Prepared& prepared, const Params& params) {
    sqlite3_stmt* stmt = prepared.stmt;
    for (int i = 1; i <= prepared.parameterNames.size(); ++i) {
        const QString& name = prepared.parameterNames[i - 1];
        const QVariant* value = name.isEmpty() ? nullptr : findParam(params, name);
        if (value == nullptr) {
            throw DbError(QStringLiteral("Параметр %1 не задан")
                              .arg(name.isEmpty() ? QString::number(i) : name));
        }
        const QVariant stored = storedValue(*value);
        int rc = SQLITE_OK;
        switch (stored.typeId()) {
            case QMetaType::UnknownType:
                rc = sqlite3_bind_null(stmt, i);
                break;
            case QMetaType::LongLong:
                rc = sqlite3_bind_int64(stmt, i, stored.toLongLong());
                break;
            case QMetaType::Double:
                rc = sqlite3_bind_double(stmt, i, stored.toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray bytes = stored.toByteArray();
                rc = sqlite3_bind_blob(stmt, i, bytes.constData(), int(bytes.size()),
                                       SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QString text = stored.toString();
                rc = sqlite3_bind_text16(stmt, i, text.utf16(), int(text.size() * 2),
                                         SQLITE_TRANSIENT);
            }
        }
        if (rc != SQLITE_OK) {
            fail();
        }
    }
}

ResultSet SqliteBackend::run(const QString& sql, const Params& params) {
    const Prepared& prepared = prepare(sql);
    sqlite3_stmt* stmt = prepared.stmt;
    StatementReset reset{stmt};
    bind(prepared, params);
    ResultSet result;
    result.columns = prepared.columns;
    const QVector<bool>& dateColumns = prepared.dateColumns;
    const int columns = int(prepared.columns.size());
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        QVector<QVariant> row(columns);
        for (int c = 0; c < columns; ++c) {
            row[c] = columnValue(stmt, c, dateColumns[c]);
        }
        result.rows.append(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        fail();
    }
    if (columns == 0) {
        result.rowsAffected = sqlite3_changes64(db_);
    }
    return result;
}

void SqliteBackend::runScript(const QString& sql) {
    // A script may change the schema that kept statements describe.
    forgetStatements();
    execute(sql);
}

void SqliteBackend::execute(const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error);
        sqlite3_free(error);
        throw DbError(message);
    }
}

QVariant SqliteBackend::lastInsertId() {
    return qlonglong(sqlite3_last_insert_rowid(db_));
}

void SqliteBackend::begin() {
    execute(QStringLiteral("BEGIN"));
}
void SqliteBackend::commit() {
    execute(QStringLiteral("COMMIT"));
}
void SqliteBackend::rollback() {
    execute(QStringLiteral("ROLLBACK"));
}

}  // namespace zur::db
