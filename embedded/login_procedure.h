#pragma once
// GET_USER (rules in embedded/procedures.h).

#include "platform/db/procedures.h"

namespace zur::embedded {

db::ResultSet getUser(db::ProcedureContext& context, const db::ProcedureArgs& args);

}  // namespace zur::embedded
