#pragma once

#include "platform/db/backend.h"

namespace zur::db {

// SQL Server (or another engine) through Qt's ODBC driver. Named parameters are sent as
// positional ODBC parameters.
class OdbcBackend : public Backend {
  public:
    // `sqliteDialect`: the engine is SQLite (statements arrive translated), otherwise SQL Server.
    OdbcBackend(const QString& odbcConnectionString, bool sqliteDialect);
    ~OdbcBackend() override;
    OdbcBackend(const OdbcBackend&) = delete;
    OdbcBackend& operator=(const OdbcBackend&) = delete;

    ResultSet run(const QString& sql, const Params& params) override;
    void runScript(const QString& sql) override;
    QVariant lastInsertId() override;
    void begin() override;
    void commit() override;
    void rollback() override;

  private:
    QString name_;
    bool sqliteDialect_;
};

}  // namespace zur::db
