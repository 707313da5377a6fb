#pragma once
// Stored procedures of the embedded database, written in C++ and called by `EXEC`.

#include "platform/db/result_set.h"
#include "platform/db/tsql/translator.h"

#include <functional>

namespace zur::db {

class Backend;

// What a procedure may do: run statements of the embedded engine on the caller's connection.
class ProcedureContext {
  public:
    explicit ProcedureContext(Backend& backend) : backend_(backend) {}
    ResultSet run(const QString& sql, const Params& params = {});
    QVariant lastInsertId();

  private:
    Backend& backend_;
};

// The arguments of one call, read by name (`@name = value`) or else by position.
class ProcedureArgs {
  public:
    explicit ProcedureArgs(const QVector<tsql::ExecArgument>& args) : args_(args) {}
    int size() const { return int(args_.size()); }
    // The argument named `name` when the call names its arguments, else the one at `position`;
    // a null QVariant when absent or NULL.
    QVariant get(int position, const QString& name) const;

  private:
    const QVector<tsql::ExecArgument>& args_;
};

using Procedure = std::function<ResultSet(ProcedureContext&, const ProcedureArgs&)>;

// Registers `procedure` under `name` (letter case ignored), replacing an earlier one.
void registerProcedure(const QString& name, Procedure procedure);
// The procedure registered as `name`, or nullptr.
const Procedure* findProcedure(const QString& name);

}  // namespace zur::db
