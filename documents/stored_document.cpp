#include "documents/stored_document.h"

#include "documents/document_data.h"
#include "documents/order_inputs.h"
#include "documents/passport_line.h"
#include "platform/db/connection.h"

namespace zur::documents {

namespace {

// One stored record with the names its lookups give; `table` is "Payment" or "Expense".
QString recordStatement(const QString& table, const QString& key, qlonglong id) {
    return QStringLiteral(
               "SELECT r.*, u.uslugi, u.proc1, u.proc2, s.shet AS shet1, s.shet2, s.n_shet2, "
               "sf.s_fio AS student_name, sl.s_fio AS listener_name, t.t_fio AS teacher_name, "
               "ab.ab_fio AS applicant_name, rt.p22 AS rate_name, y.p32 AS year_name, "
               "sp.p25_2 AS speciality_name, k.name AS kassa_name "
               "FROM %1 r "
               "LEFT JOIN uslugi u ON u.id_uslug = r.id_uslug AND u.id_kassa = r.id_kassa "
               "LEFT JOIN shet s ON s.id_shet = u.id_shet "
               "LEFT JOIN s_fio sf ON sf.id_student = r.id_student "
               "LEFT JOIN s_fio sl ON sl.id_student = r.id_slushatel "
               "LEFT JOIN t_fio t ON t.id_teacher = r.id_teacher "
               "LEFT JOIN ab_fio ab ON ab.id_student = r.id_abiturient "
               "LEFT JOIN rate rt ON rt.id_rate = r.id_rate "
               "LEFT JOIN a_year y ON y.id_a_year = r.id_a_year "
               "LEFT JOIN specialityRR sp ON sp.id_speciality = r.id_speciality "
               "LEFT JOIN Kassa k ON k.id_kassa = r.id_kassa "
               "WHERE r.%2 = %3")
        .arg(table, key, QString::number(id));
}

// A stored record's columns by name.
class Row {
  public:
    Row(const db::ResultSet& result) : result_(result) {}
    QVariant value(const char* column) const { return result_.value(0, QString::fromUtf8(column)); }
    QString text(const char* column) const { return value(column).toString(); }
    bool has(const char* column) const { return !text(column).isEmpty(); }

  private:
    const db::ResultSet& result_;
};

QString firstText(db::Connection& connection, const QString& sql) {
    const db::ResultSet result = connection.query(sql);
    return result.rows.isEmpty() ? QString() : result.rows.first().value(0).toString();
}

// The fields both orders take from the record alike.
void fillCommon(const Row& row) {
    document_data = TOplataRec();
    document_data.order_no = row.has("p104_1") ? row.text("p104_1") : row.text("p104");
    document_data.percent1 = row.value("proc1").toDouble();
    document_data.percent2 = row.value("proc2").toDouble();
    const AmountSplit split = split_stored_amount(row.value("p102").toDouble(),
                                                  document_data.percent1, document_data.percent2);
    document_data.total_sum = split.total;
    document_data.sum1 = split.sum1;
    document_data.sum2 = split.sum2;
    document_data.pay_date = row.value("p103").toDateTime();
    document_data.purpose_name = row.text("uslugi");
    document_data.account1 = row.text("shet1");
    document_data.account2 = row.text("shet2");
    document_data.account2_name = row.text("n_shet2");
}

// The person's name: a student, a staff member, an applicant, a listener, or the typed text.
QString payerName(const Row& row) {
    for (const char* column : {"student_name", "teacher_name", "applicant_name", "listener_name"}) {
        if (row.has(column)) {
            return row.text(column);
        }
    }
    return row.text("dopol");
}

// The receipt's note: course, group, year and speciality as far as the record names them.
QString receiptNote(db::Connection& connection, const Row& row) {
    QString group;
    if (row.has("id_rate") && row.has("id_a_year") && row.has("id_speciality") &&
        row.has("id_group")) {
        group = firstText(
            connection,
            QStringLiteral("SELECT TOP 1 [group].p20 FROM Groups_payment INNER JOIN [group] ON "
                           "Groups_payment.id_group = [group].id_group WHERE "
                           "Groups_payment.id_rate = %1 AND Groups_payment.id_speciality = %2 AND "
                           "Groups_payment.id_group = %3")
                .arg(row.text("id_rate"), row.text("id_speciality"), row.text("id_group")));
    }
    const QString rate = row.text("rate_name");
    const QString year = row.text("year_name");
    const QString speciality = row.text("speciality_name");
    if (!group.isEmpty()) {
        return rate + QStringLiteral(" гр.") + group + QStringLiteral(" за ") + year +
               QStringLiteral(" уч. год. \r") + speciality;
    }
    if (!year.isEmpty()) {
        return rate + QStringLiteral(" за ") + year + QStringLiteral(" уч. год.(") + speciality +
               QLatin1Char(')');
    }
    return {};
}

}  // namespace

AmountSplit split_stored_amount(double a, double percent1, double percent2) {
    const double sum1 = a / ((percent1 * percent2 / 100 + percent2) / (100 + percent1) + 1);
    const double sum2 = a * percent2 / (100 + percent2);
    return {money_text(a), money_text(sum1), money_text(sum2)};
}

std::optional<ReceiptInputs> load_stored_receipt(db::Connection& connection, qlonglong id) {
    const db::ResultSet result = connection.query(
        recordStatement(QStringLiteral("Payment"), QStringLiteral("id_payment"), id));
    if (result.rows.isEmpty()) {
        return std::nullopt;
    }
    const Row row(result);
    fillCommon(row);
    document_data.basis = row.text("osnovanie");
    document_data.payer_name = payerName(row);
    document_data.note = receiptNote(connection, row);
    next_year_transfer = false;

    ReceiptInputs inputs;
    inputs.officials = load_officials(connection, row.value("id_kassa").toLongLong());
    if (row.has("id_faculty")) {
        const db::ResultSet faculty = connection.query(
            QStringLiteral("SELECT TOP(1) Vuz.v2, Faculty.[p23-2], Faculty.RS_opl FROM Faculty "
                           "LEFT JOIN Vuz ON Faculty.id_vuz = Vuz.id_vuz WHERE "
                           "Faculty.id_faculty = ") +
            row.text("id_faculty"));
        if (!faculty.rows.isEmpty()) {
            document_data.institution_name = faculty.rows.first().value(0).toString();
            inputs.faculty_doc_name = faculty.rows.first().value(1).toString();
            inputs.rs_opl = faculty.rows.first().value(2).toInt() == 1;
        }
    }
    return inputs;
}

std::optional<StoredExpense> load_stored_expense(db::Connection& connection, qlonglong id) {
    const db::ResultSet result = connection.query(
        recordStatement(QStringLiteral("Expense"), QStringLiteral("id_expense"), id));
    if (result.rows.isEmpty()) {
        return std::nullopt;
    }
    const Row row(result);
    fillCommon(row);
    document_data.basis = row.text("osnovanie") + QLatin1Char('\r') + row.text("primech");
    document_data.payer_name = payerName(row);
    document_data.institution_name =
        firstText(connection, QStringLiteral("SELECT TOP(1) Vuz.v2 FROM Vuz"));

    StoredExpense expense;
    expense.inputs.officials = load_officials(connection, row.value("id_kassa").toLongLong());
    expense.cash_desk_name = row.text("kassa_name");
    expense.passport = passport_line(
        connection, recipient_of_expense(row.value("id_student"), row.value("id_teacher")));
    return expense;
}

}  // namespace zur::documents
