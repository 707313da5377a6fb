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
    sqlite3_stmt* prepare(const QString& sql);
    void bind(sqlite3_stmt* stmt, const Params& params);
    [[noreturn]] void fail() const;

    sqlite3* db_ = nullptr;
    QHash<QString, sqlite3_stmt*> statements_;
};

}  // namespace zur::db
