#pragma once
// DoAutoRecepted (rules in embedded/procedures.h).

#include "platform/db/procedures.h"

namespace zur::embedded {

db::ResultSet doAutoRecepted(db::ProcedureContext& context, const db::ProcedureArgs& args);

}  // namespace zur::embedded
