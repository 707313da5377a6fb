#include "embedded/procedures.h"

#include "embedded/enrolment.h"
#include "embedded/login_procedure.h"
#include "embedded/order_numbers.h"
#include "embedded/procedure_support.h"

namespace zur::embedded {

namespace {

db::ResultSet facultiesOfUser(db::ProcedureContext& context, const db::ProcedureArgs& args) {
    return context.run(
        QStringLiteral("SELECT f.id_faculty, f.[p23-1], f.[p23-2], f.RS_opl, f.id_vuz "
                       "FROM faculty f JOIN KasFak k ON k.id_faculty = f.id_faculty "
                       "JOIN ZUR_User u ON u.id_kassa = k.id_kassa "
                       "WHERE u.id_ZUR_user = :user ORDER BY f.[p23-1]"),
        {{QStringLiteral("user"), integerArgument(args, 0, QStringLiteral("id_user"))}});
}

}  // namespace

void registerProcedures() {
    db::registerProcedure(QStringLiteral("GET_USER"), getUser);
    db::registerProcedure(QStringLiteral("GetNum"), getNum);
    db::registerProcedure(QStringLiteral("GetThreeNums"), getThreeNums);
    db::registerProcedure(QStringLiteral("DoAutoRecepted"), doAutoRecepted);
    db::registerProcedure(QStringLiteral("GetFacultyFromKassaForUser"), facultiesOfUser);
}

}  // namespace zur::embedded
