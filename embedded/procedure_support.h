#pragma once
// Small tools shared by the procedure bodies.

#include "platform/db/procedures.h"

#include <QDate>

namespace zur::embedded {

// The first column of the first row, or a null QVariant when there is no row.
QVariant scalar(db::ProcedureContext& context, const QString& sql, const db::Params& params = {});

// The integer value of a VuzDefaults setting, or `fallback` when the row or value is missing.
int setting(db::ProcedureContext& context, int id, int fallback);

// One result row with the given column names and values.
db::ResultSet oneRow(const QStringList& columns, const QVector<QVariant>& values);

// A date argument: 'dd.mm.yyyy' (the session's day-month-year order) or the stored ISO form;
// throws db::DbError when it is neither.
QDate dateArgument(const QVariant& value);

// An integer argument; throws db::DbError when it is missing or not a whole number.
qlonglong integerArgument(const db::ProcedureArgs& args, int position, const QString& name);

// Statements that stand or fall together inside a procedure, whether or not the caller has a
// transaction open: rolled back to the savepoint unless released.
class Savepoint {
  public:
    explicit Savepoint(db::ProcedureContext& context);
    ~Savepoint();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;
    void release();

  private:
    db::ProcedureContext& context_;
    bool released_ = false;
};

}  // namespace zur::embedded
