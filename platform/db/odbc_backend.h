#pragma once

#include "platform/db/backend.h"

namespace zur::db {

// SQL Server (or another engine) through Qt's ODBC driver. Named parameters are sent as
// positional ODBC parameters.
class OdbcBackend : public Backend {
public:
    // `identitySql` reads the key of the last inserted row on this engine.
    OdbcBackend(const QString& odbcConnectionString, QString identitySql);
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
    QString identitySql_;
};

}  // namespace zur::db
