#pragma once
// GetNum and GetThreeNums (rules in embedded/procedures.h).

#include "platform/db/procedures.h"

namespace zur::embedded {

db::ResultSet getNum(db::ProcedureContext& context, const db::ProcedureArgs& args);
db::ResultSet getThreeNums(db::ProcedureContext& context, const db::ProcedureArgs& args);

}  // namespace zur::embedded
