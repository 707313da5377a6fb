#include "embedded/enrolment.h"

#include "embedded/procedure_support.h"
#include "platform/db/sql_values.h"

#include <QDateTime>

namespace zur::embedded {

namespace {

// The applicant when enrolment may go ahead, else a null id.
QVariant enrollableApplicant(db::ProcedureContext& context, qlonglong applicant,
                             qlonglong speciality) {
    return scalar(
        context,
        QStringLiteral("SELECT a.id_student FROM Abiturient a JOIN ReceptInfo r "
                       "ON r.IDStudent = a.id_student WHERE a.id_student = :applicant "
                       "AND a.del = 0 AND a.isStudent = 0 AND r.pay = 1 AND r.Takebackdocs = 0 "
                       "AND (r.Speciality = :speciality OR r.Speciality IS NULL) LIMIT 1"),
        {{QStringLiteral("applicant"), applicant}, {QStringLiteral("speciality"), speciality}});
}

QVariant firstGroup(db::ProcedureContext& context, const db::Params& stage) {
    return scalar(context,
                  QStringLiteral("SELECT id_group FROM Groups_payment "
                                 "WHERE id_speciality = :speciality AND id_rate = :rate "
                                 "AND id_a_year = :year ORDER BY p20, id_group LIMIT 1"),
                  stage);
}

}  // namespace

db::ResultSet doAutoRecepted(db::ProcedureContext& context, const db::ProcedureArgs& args) {
    const qlonglong applicant = integerArgument(args, 0, QStringLiteral("id_abiturient"));
    const qlonglong speciality = integerArgument(args, 1, QStringLiteral("id_speciality"));
    const db::Params stage = {
        {QStringLiteral("speciality"), speciality},
        {QStringLiteral("rate"), integerArgument(args, 2, QStringLiteral("id_rate"))},
        {QStringLiteral("year"), integerArgument(args, 3, QStringLiteral("id_a_year"))}};
    db::ResultSet none;
    none.rowsAffected = 0;
    if (enrollableApplicant(context, applicant, speciality).isNull()) {
        return none;
    }
    const QVariant group = firstGroup(context, stage);
    if (group.isNull()) {
        return none;
    }
    const db::Param applicantParam{QStringLiteral("applicant"), applicant};
    Savepoint savepoint(context);
    context.run(QStringLiteral("INSERT INTO Student (p1, p2, p3, idid, BirthDate, SerialPas, "
                               "NumberPas, DateGivenPas, GivenPas, Citizenship) "
                               "SELECT p1, p2, p3, idid, BirthDate, SerialPas, NumberPas, "
                               "DateGivenPas, GivenPas, Citizenship FROM Abiturient "
                               "WHERE id_student = :applicant"),
                {applicantParam});
    const QVariant student = context.lastInsertId();
    context.run(QStringLiteral("INSERT INTO movement_t (id_student, id_group, id_rate, id_bk, "
                               "come_date, id_semester) "
                               "VALUES (:student, :group, :rate, 2, :now, 1)"),
                {{QStringLiteral("student"), student},
                 {QStringLiteral("group"), group},
                 stage[1],
                 {QStringLiteral("now"), db::storedDateTimeText(QDateTime::currentDateTime())}});
    context.run(QStringLiteral("UPDATE Abiturient SET isStudent = 1, id_new_student = :student "
                               "WHERE id_student = :applicant"),
                {{QStringLiteral("student"), student}, applicantParam});
    savepoint.release();
    none.rowsAffected = 1;
    return none;
}

}  // namespace zur::embedded
