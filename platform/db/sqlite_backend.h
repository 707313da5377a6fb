#pragma once

#include "platform/db/backend.h"

#include <QHash>

struct sqlite3;
struct sqlite3_stmt;

namespace zur::db {

// The embedded database: one SQLite file, prepared statements kept per statement text.
class SqliteBackend : public Backend {
  public:
    // Opens `path`; with `create` a missing file is created, otherwise it is an error.
    SqliteBackend(const QString& path, bool create);
    ~SqliteBackend() override;
    SqliteBackend(const SqliteBackend&) = delete;
    SqliteBackend& operator=(const SqliteBackend&) = delete;

    ResultSet run(const QString& sql, const Params& params) override;
    void runScript(const QString& sql) override;
    QVariant lastInsertId() override;
    void begin() override;
    void commit() override;
    void rollback() override;

  private:
    // A prepared statement with the description of its result, kept for reuse.
    struct Prepared {
        sqlite3_stmt* stmt = nullptr;
        QVector<Column> columns;
        QVector<bool> dateColumns;
        QVector<QString> parameterNames;  // by position; empty for a nameless `?`
    };

    const Prepared& prepare(const QString& sql);
    void bind(const Prepared& prepared, const Params& params);
    void forgetStatements();
    void execute(const QString& sql);  // statements without parameters or result
    [[noreturn]] void fail() const;

    sqlite3* db_ = nullptr;
    QHash<QString, Prepared> statements_;
};

}  // namespace zur::db
