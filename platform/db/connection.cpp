#include "platform/db/connection.h"

#include "platform/db/connection_string.h"
#include "platform/db/odbc_backend.h"
#include "platform/db/procedures.h"
#include "platform/db/sqlite_backend.h"
#include "platform/db/tsql/translator.h"

namespace zur::db {

namespace {

const QString kDefaultOdbcDriver = QStringLiteral("ODBC Driver 18 for SQL Server");

QString odbcDriver() {
    const QString fromEnvironment = qEnvironmentVariable("ZUR_ODBC_DRIVER");
    return fromEnvironment.isEmpty() ? kDefaultOdbcDriver : fromEnvironment;
}

bool isYes(const QString& value) {
    return value == u"1" || value.compare(u"true", Qt::CaseInsensitive) == 0;
}

}  // namespace

Connection::Connection() = default;
Connection::~Connection() = default;

void Connection::setConnectionString(const QString& text) {
    connectionString_ = text;
}

void Connection::open() {
    close();
    const ConnectionString options(connectionString_);
    if (options.isEmbedded()) {
        backend_ = std::make_unique<SqliteBackend>(options.embeddedPath(),
                                                   isYes(options.value(QStringLiteral("Create"))));
        translate_ = true;
        return;
    }
    translate_ =
        options.value(QStringLiteral("dialect")).compare(u"sqlite", Qt::CaseInsensitive) == 0;
    backend_ = std::make_unique<OdbcBackend>(options.odbcString(odbcDriver()), translate_);
}

void Connection::close() {
    backend_.reset();
}

Backend& Connection::backend() {
    if (!backend_) {
        throw DbError(QStringLiteral("Соединение с базой данных закрыто"));
    }
    return *backend_;
}

ResultSet Connection::query(const QString& sql, const Params& params) {
    if (!translate_) {
        return backend().run(sql, params);
    }
    return runTranslated(sql, params);
}

ResultSet Connection::runTranslated(const QString& sql, const Params& params) {
    Backend& engine = backend();
    const tsql::Translation* translation = nullptr;
    try {
        translation = &tsql::translateCached(sql);
    } catch (const tsql::TranslateError& error) {
        throw DbError(error.message());
    }
    switch (translation->kind) {
        case tsql::Translation::Kind::NoOp:
            return ResultSet{};
        case tsql::Translation::Kind::Exec: {
            const Procedure* procedure = findProcedure(translation->procedure);
            if (procedure == nullptr) {
                throw DbError(QStringLiteral("Could not find stored procedure '%1'.")
                                  .arg(translation->procedure));
            }
            ProcedureContext context(engine);
            return (*procedure)(context, ProcedureArgs(translation->arguments));
        }
        case tsql::Translation::Kind::Statement:
            break;
    }
    return engine.run(translation->sql, params);
}

qint64 Connection::execute(const QString& sql, const Params& params) {
    return query(sql, params).rowsAffected;
}

QVariant Connection::lastInsertId() {
    return backend().lastInsertId();
}

void Connection::runNativeScript(const QString& sql) {
    backend().runScript(sql);
}

void Connection::beginTransaction() {
    backend().begin();
}
void Connection::commit() {
    backend().commit();
}
void Connection::rollback() {
    backend().rollback();
}

Transaction::Transaction(Connection& connection) : connection_(connection) {
    connection_.beginTransaction();
}

Transaction::~Transaction() {
    if (!done_ && connection_.isOpen()) {
        try {
            connection_.rollback();
        } catch (const DbError&) {
            // The statement that failed may already have ended the transaction.
        }
    }
}

void Transaction::commit() {
    connection_.commit();
    done_ = true;
}

}  // namespace zur::db
