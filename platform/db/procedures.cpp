#include "platform/db/procedures.h"

#include "platform/db/backend.h"

#include <QHash>

namespace zur::db {

ResultSet ProcedureContext::run(const QString& sql, const Params& params) {
    return backend_.run(sql, params);
}

QVariant ProcedureContext::lastInsertId() {
    return backend_.lastInsertId();
}

QVariant ProcedureArgs::get(int position, const QString& name) const {
    for (const tsql::ExecArgument& arg : args_) {
        if (!arg.name.isEmpty() && arg.name.compare(name, Qt::CaseInsensitive) == 0) {
            return arg.value;
        }
    }
    if (position < args_.size() && args_[position].name.isEmpty()) {
        return args_[position].value;
    }
    return {};
}

static QHash<QString, Procedure>& registry() {
    static QHash<QString, Procedure> procedures;
    return procedures;
}

void registerProcedure(const QString& name, Procedure procedure) {
    registry().insert(name.toLower(), std::move(procedure));
}

const Procedure* findProcedure(const QString& name) {
    const auto it = registry().constFind(name.toLower());
    return it == registry().constEnd() ? nullptr : &it.value();
}

}  // namespace zur::db
