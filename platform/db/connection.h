#pragma once
// The program's one database connection. It speaks T-SQL: on the embedded SQLite database the
// statements are translated and EXEC calls the procedures registered in C++; over ODBC they go
// to SQL Server unchanged.

#include "platform/db/db_error.h"
#include "platform/db/result_set.h"

#include <memory>

namespace zur::db {

class Backend;

class Connection {
  public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void setConnectionString(const QString& text);
    const QString& connectionString() const { return connectionString_; }

    // Opens with the connection string; throws DbError with the database's text.
    void open();
    void close();
    bool isOpen() const { return backend_ != nullptr; }

    // Runs one T-SQL statement. A statement with a result gives its rows; any other gives
    // `rowsAffected`. Throws DbError.
    ResultSet query(const QString& sql, const Params& params = {});
    // Runs a statement whose result is not needed; returns the rows affected (or -1).
    qint64 execute(const QString& sql, const Params& params = {});
    // The key of the last row inserted on this connection.
    QVariant lastInsertId();

    // Runs a script of the engine's own language (schema of the embedded database).
    void runNativeScript(const QString& sql);

    void beginTransaction();
    void commit();
    void rollback();

  private:
    Backend& backend();
    ResultSet runTranslated(const QString& sql, const Params& params);

    QString connectionString_;
    std::unique_ptr<Backend> backend_;
    bool translate_ = false;
};

// Rolls back unless committed: statements that must stand or fall together.
class Transaction {
  public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

  private:
    Connection& connection_;
    bool done_ = false;
};

}  // namespace zur::db
