#pragma once
// One database engine behind the connection. Statements given to a backend are already in the
// engine's own language.

#include "platform/db/result_set.h"

namespace zur::db {

class Backend {
  public:
    virtual ~Backend() = default;
    virtual ResultSet run(const QString& sql, const Params& params) = 0;
    // Runs several statements separated by ';' (schema scripts); no parameters, no result.
    virtual void runScript(const QString& sql) = 0;
    virtual QVariant lastInsertId() = 0;
    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
};

}  // namespace zur::db
