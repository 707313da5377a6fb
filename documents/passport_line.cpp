#include "documents/passport_line.h"

#include "platform/db/connection.h"

namespace zur::documents {

namespace {

const char* const kStaff =
    "SELECT TOP 1 CASE WHEN dbo.passport.s_p IS NULL THEN '' ELSE dbo.passport.s_p END + CASE WHEN "
    "dbo.passport.n_p IS NULL THEN '' ELSE dbo.passport.n_p END + ' (' + dbo.MVD_Pasport.CodeMVD + "
    "') от ' + CONVERT (NVARCHAR(10), dbo.passport.D_given_p, 104) + ' г.'FROM dbo.passport INNER "
    "JOIN dbo.MVD_Pasport ON dbo.passport.id_passport_organ = dbo.MVD_Pasport.IDMVD  WHERE "
    "dbo.passport.id_teacher = ";

const char* const kStudent =
    "SELECT TOP 1 CASE WHEN dbo.Student.SerialPas IS NULL THEN '' ELSE dbo.Student.SerialPas END + "
    "CASE WHEN dbo.Student.NumberPas IS NULL THEN '' ELSE dbo.Student.NumberPas END + ' (' + "
    "dbo.MVD_Pasport.CodeMVD + ') от ' + CONVERT (NVARCHAR(10), dbo.Student.DateGivenPas, 104) + ' "
    "г.'FROM dbo.student INNER JOIN dbo.MVD_Pasport ON dbo.student.GivenPas = "
    "dbo.MVD_Pasport.IDMVD "
    "WHERE dbo.student.id_student = ";

const char* const kApplicant =
    "SELECT TOP 1 CASE WHEN dbo.Abiturient.SerialPas IS NULL THEN '' ELSE dbo.Abiturient.SerialPas "
    "END + CASE WHEN dbo.Abiturient.NumberPas IS NULL THEN '' ELSE dbo.Abiturient.NumberPas END + "
    "' "
    "(' + dbo.MVD_Pasport.CodeMVD + ') от ' + CONVERT (NVARCHAR(10), dbo.Abiturient.DateGivenPas, "
    "104) + ' г.'FROM dbo.Abiturient INNER JOIN dbo.MVD_Pasport ON dbo.Abiturient.GivenPas = "
    "dbo.MVD_Pasport.IDMVD WHERE dbo.Abiturient.id_student = ";

}  // namespace

Recipient recipient_of_expense(const QVariant& idStudent, const QVariant& idTeacher) {
    if (!idStudent.isNull() && !idStudent.toString().isEmpty()) {
        return {Recipient::Kind::Student, idStudent.toLongLong()};
    }
    if (!idTeacher.isNull() && !idTeacher.toString().isEmpty()) {
        return {Recipient::Kind::Staff, idTeacher.toLongLong()};
    }
    return {};
}

QString passport_statement(const Recipient& recipient) {
    const char* statement = nullptr;
    switch (recipient.kind) {
        case Recipient::Kind::None:
            return {};
        case Recipient::Kind::Staff:
            statement = kStaff;
            break;
        case Recipient::Kind::Student:
            statement = kStudent;
            break;
        case Recipient::Kind::Applicant:
            statement = kApplicant;
            break;
    }
    return QString::fromUtf8(statement) + QString::number(recipient.key);
}

QString passport_line(db::Connection& connection, const Recipient& recipient) {
    const QString statement = passport_statement(recipient);
    if (statement.isEmpty()) {
        return {};
    }
    const db::ResultSet result = connection.query(statement);
    if (result.rows.isEmpty() || result.rows.first().isEmpty()) {
        return {};
    }
    return result.rows.first().first().toString();
}

}  // namespace zur::documents
