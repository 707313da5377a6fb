#include "desk/tuition_payment.h"

#include "data/dm_smeta.h"
#include "data/session_context.h"
#include "desk/payment_prelude.h"
#include "desk/tform1.h"
#include "desk/tform19.h"
#include "documents/document_data.h"
#include "documents/order_inputs.h"
#include "documents/receipt_order.h"
#include "platform/db/sql_text.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/db_lookup_combobox_eh.h"
#include "platform/ui/dialogs.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <cmath>

namespace zur::desk {

namespace {

using db::DataSet;
using documents::document_data;

const QString kNotice = QStringLiteral("Уведомление");

const QString kPaymentColumns = QStringLiteral(
    "SELECT TOP(0) id_kassa, id_payment, id_uslug, id_faculty, id_student, id_abiturient,"
    "id_a_year, id_speciality, osnovanie,id_slushatel,id_group_slushatel,id_v_opl,P102,P104, "
    "P104_1,P103,id_oplata,id_group, id_rate, p102NewSpec, id_newSpecP102, id_newYear, "
    "id_newRate, ZUR_User, ZUR_Update,id_newGroup FROM Payment");
const QString kTransferColumns = QStringLiteral(
    "SELECT TOP(0) [id_PaymentTransfer] ,[id_payment] ,[id_NewYear] ,[id_newRate] ,[id_newGroup] "
    ",[p102NewSpec] ,[id_newSpecP102] FROM [ZUR].[dbo].[PaymentTransfer]");

void put(DataSet& set, const char* field, const QVariant& value) {
    set.fieldByName(QString::fromLatin1(field)).setValue(value);
}

// A column of the row at which `set` stands; empty when the list is closed or has no rows.
QString rowText(DataSet* set, const char* field) {
    if (!set->isOpen() || set->isEmpty()) {
        return {};
    }
    return set->value(QString::fromLatin1(field)).toString();
}

QString number(const QVariant& key) {
    return key.isNull() ? QStringLiteral("NULL") : key.toString();
}

bool canFocus(QWidget* control) {
    return control->isEnabled() && control->isVisible();
}

}  // namespace

TuitionPayment::TuitionPayment(TForm1& window)
    : w_(window), dm_(*data::DM_Smeta), subPage_(window.PageControl2->currentIndex()) {}

void TuitionPayment::run() {
    if (!formComplete()) {
        ui::message(kFormIncomplete);
        return;
    }
    if (subPage_ == kApplicantSubPage && applicantEnrolled()) {
        ui::message(kAlreadyEnrolled);
        return;
    }
    try {
        const std::optional<double> amount = payment_prelude(w_);
        if (!amount) {
            return;
        }
        amount_ = *amount;
        prepareRecordSets();
        if (subPage_ == kStudentSubPage && !checkContract()) {
            return;
        }
        storePayment();
        if (subPage_ == kApplicantSubPage) {
            updateAdmissionRecord();
        }
        fillDocument();
        applicant_ = w_.Ab_Student_Lookup->keyValue();
        applicantSpeciality_ = w_.Ab_Speciality_Lookup->keyValue();
        year_ = w_.Year_Lookup->keyValue();
        showReceipt();
    } catch (...) {
        // A carried amount that was not stored is announced on no later receipt.
        documents::next_year_transfer = false;
        throw;
    }
    if (subPage_ == kApplicantSubPage) {
        enrolApplicant();
    }
    reset();
}

bool TuitionPayment::formComplete() const {
    std::vector<QComboBox*> lists{w_.Faculty_Lookup, w_.Year_Lookup};
    switch (subPage_) {
        case kStudentSubPage:
            lists.insert(lists.end(), {w_.Speciality_Lookup, w_.Rate_ComboBox, w_.Group_ComboBox,
                                       w_.Student_Lookup});
            break;
        case kApplicantSubPage:
            lists.insert(lists.end(), {w_.Ab_Speciality_Lookup, w_.Ab_Student_Lookup});
            break;
        default:
            lists.insert(lists.end(), {w_.DBLookupComboBox2, w_.DBLookupComboBox3});
            break;
    }
    lists.insert(lists.end(), {w_.Uslug_DBLookupComboBox, w_.Vid_Oplaty_ComboBox});
    const bool listsShown = std::none_of(
        lists.begin(), lists.end(), [](QComboBox* list) { return list->currentText().isEmpty(); });
    return listsShown && !w_.Oplata_Edit->text().isEmpty() && !w_.Order_Edit->text().isEmpty();
}

bool TuitionPayment::applicantEnrolled() {
    DataSet& exec = *dm_.ADOQ_Exec;
    exec.reopen(QStringLiteral("SELECT TOP 1 isStudent FROM Ab_Fio WHERE id_student = ") +
                number(w_.Ab_Student_Lookup->keyValue()));
    return !exec.isEmpty() && exec.fieldByName(QStringLiteral("isStudent")).asBoolean();
}

void TuitionPayment::prepareRecordSets() {
    transfer_ = Transfer{};
    dm_.ADOQ_Exec->reopen(kPaymentColumns);
    dm_.ADOQ_temp->reopen(kTransferColumns);
}

bool TuitionPayment::checkContract() {
    if (!dm_.ADOT_Pay_Educ->isOpen()) {
        dm_.ADOT_Pay_Educ->open();
    }
    const db::ResultSet contract = dm_.ADOCon.query(
        QStringLiteral("SELECT TOP 1 p106, sum_opl FROM Payment1V WHERE id_student=") +
        number(w_.Student_Lookup->keyValue()) + QStringLiteral(" AND id_rate = ") +
        number(w_.Rate_ComboBox->keyValue()) + QStringLiteral(" and id_group = ") +
        number(w_.Group_ComboBox->keyValue()));
    if (contract.rows.isEmpty()) {
        return true;
    }
    const double price = contract.rows[0][0].toDouble();
    const double paid = contract.rows[0][1].toDouble();
    const double total = money_value(document_data.total_sum);
    if (std::round(price * 100) >= std::round((paid + total) * 100) ||
        !dm_.ADOT_Pay_Educ->locate(QStringLiteral("id_uslug"),
                                   w_.Uslug_DBLookupComboBox->keyValue())) {
        return true;
    }
    if (!dm_.ADOQ_Speciality->locate(QStringLiteral("id_speciality"),
                                     w_.Speciality_Lookup->keyValue())) {
        ui::message(kUnknownError, QStringLiteral("Ошибка"), ui::Icon::Error);
        return false;
    }
    if (dm_.ADOQ_Speciality->value(QStringLiteral("max_rate_id")).toInt() ==
        w_.Rate_ComboBox->keyValue().toInt()) {
        ui::message(kLastCourse);
        return true;
    }
    offerTransfer(price, paid);
    return true;
}

void TuitionPayment::offerTransfer(double contract, double paid) {
    // What the course still lacks, never below nothing: a course already paid beyond its
    // contract carries the whole payment, and never more than the payment stores.
    const QString rest = documents::money_text(std::max(contract - paid, 0.0));
    const double over = std::min(amount_ - money_value(rest), money_value(document_data.total_sum));
    if (std::round(over * 100) <= 0) {
        return;
    }
    const QString overText = documents::money_text(over);
    documents::next_year_sum = overText + QStringLiteral(" сом");

    const int nextStart = dm_.ADOT_a_year->value(QStringLiteral("u_god")).toInt() + 1;
    const db::ResultSet next = dm_.ADOCon.query(
        QStringLiteral("SELECT TOP 1 id_a_year FROM a_year WHERE u_god = %1").arg(nextStart));

    TForm19 dialog(&w_);
    dialog.Edit1->setText(overText);
    dialog.Year_Lookup->setKeyValue(next.rows.isEmpty() ? QVariant() : next.rows[0][0]);
    if (ui::Dialogs::instance().runModal(dialog) != QDialog::Accepted) {
        documents::next_year_transfer = false;
        return;
    }
    documents::next_year_transfer = true;
    transfer_.amount = overText;
    transfer_.year = dialog.Year_Lookup->keyValue();
    documents::next_year_name = dialog.Year_Lookup->currentText();
    const db::ResultSet course =
        dm_.ADOCon.query(QStringLiteral("SELECT TOP 1 id_rate FROM g_r_y WHERE id_a_year = ") +
                         number(transfer_.year) + QStringLiteral(" and id_group = ") +
                         number(w_.Group_ComboBox->keyValue()));
    transfer_.course = course.rows.isEmpty() ? 0 : course.rows[0][0].toInt();
}

void TuitionPayment::storePayment() {
    const data::SessionContext& session = data::SessionContext::instance();
    // The payment and the part of it carried to another year stand or fall together.
    db::Transaction transaction(dm_.ADOCon);
    DataSet& payment = *dm_.ADOQ_Exec;
    payment.append();
    put(payment, "P102", money_value(document_data.total_sum));
    put(payment, "id_kassa", session.cash_desk_id);
    put(payment, "osnovanie", w_.Osnovanie_RichEdit->toPlainText());
    put(payment, "id_faculty", w_.Faculty_Lookup->keyValue());
    put(payment, "id_a_year", w_.Year_Lookup->keyValue());
    put(payment, "id_uslug", w_.Uslug_DBLookupComboBox->keyValue());
    put(payment, "id_v_opl", w_.Vid_Oplaty_ComboBox->keyValue());
    put(payment, "P104", w_.Order_Edit->text());
    put(payment, "P104_1", w_.Order_Edit2->text());
    put(payment, "P103", w_.DateTimePicker->dateTime());
    put(payment, "id_oplata", 1);
    put(payment, "ZUR_User", session.current_login);
    put(payment, "ZUR_Update", QDate::currentDate().startOfDay());
    switch (subPage_) {
        case kStudentSubPage:
            put(payment, "id_student", w_.Student_Lookup->keyValue());
            put(payment, "id_speciality", w_.Speciality_Lookup->keyValue());
            put(payment, "id_group", w_.Group_ComboBox->keyValue());
            put(payment, "id_rate", w_.Rate_ComboBox->keyValue());
            break;
        case kApplicantSubPage:
            put(payment, "id_abiturient", w_.Ab_Student_Lookup->keyValue());
            put(payment, "id_speciality", w_.Ab_Speciality_Lookup->keyValue());
            put(payment, "id_rate", 1);
            break;
        default:
            put(payment, "id_slushatel", w_.DBLookupComboBox2->keyValue());
            put(payment, "id_group_slushatel", w_.DBLookupComboBox3->keyValue());
            break;
    }
    payment.post();

    if (transfer_.amount != QLatin1String("0")) {
        DataSet& row = *dm_.ADOQ_temp;
        row.append();
        put(row, "p102NewSpec", money_value(transfer_.amount));
        put(row, "id_newYear", transfer_.year);
        put(row, "id_newRate", transfer_.course);
        put(row, "id_newSpecP102", w_.Speciality_Lookup->keyValue());
        put(row, "id_newGroup", w_.Group_ComboBox->keyValue());
        put(row, "id_payment", payment.value(QStringLiteral("id_payment")));
        row.post();
    }
    transaction.commit();
}

void TuitionPayment::updateAdmissionRecord() {
    DataSet& defaults = *dm_.ADOQ_uslug_tx;
    defaults.reopen(QStringLiteral("SELECT * FROM [ZUR].[dbo].[Def_Uslug] WHERE id_kassa=%1")
                        .arg(data::SessionContext::instance().cash_desk_id));
    const int purpose = w_.Uslug_DBLookupComboBox->keyValue().toInt();
    bool tuitionPurpose = false;
    for (defaults.first(); !defaults.eof() && !tuitionPurpose; defaults.next()) {
        const db::Field& f1 = defaults.fieldByName(QStringLiteral("f1"));
        tuitionPurpose = !f1.isNull() && f1.asInteger() == purpose;
    }
    // Halves go to the even neighbour.
    const qint64 rounded = qint64(std::nearbyint(money_value(document_data.total_sum)));
    const QString date =
        w_.DateTimePicker->dateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    QString sql = QStringLiteral(
                      "UPDATE ReceptInfo SET Payment_fr_kass = %1, "
                      "DatePayment_fr_kass = '%2' ")
                      .arg(rounded)
                      .arg(date);
    if (tuitionPurpose) {
        sql += QStringLiteral(", confirm_date_for_reccept = 1 , pay = 1 , DateResept = '%1' ")
                   .arg(date);
    }
    sql += QStringLiteral("WHERE IDStudent = ") + number(w_.Ab_Student_Lookup->keyValue());
    dm_.ADOCon.execute(sql);
}

void TuitionPayment::fillDocument() {
    const QString year = rowText(dm_.ADOT_a_year, "p32");
    switch (subPage_) {
        case kStudentSubPage:
            document_data.payer_name = rowText(dm_.ADOQ_Grid1, "Normal_s_Fio");
            document_data.note = rowText(dm_.ADOT_Rate, "p22") + QStringLiteral(" гр.") +
                                 rowText(dm_.ADOQ_Groups, "p20") + QStringLiteral(" за ") + year +
                                 QStringLiteral(" уч. год. \r") +
                                 w_.Speciality_Lookup->currentText();
            break;
        case kApplicantSubPage:
            document_data.payer_name = rowText(dm_.ADOQ_Abiturient, "ab_fio");
            document_data.note = QStringLiteral("На 1 курс за ") + year +
                                 QStringLiteral(" уч. год. \r") +
                                 w_.Ab_Speciality_Lookup->currentText();
            break;
        default:
            document_data.payer_name = rowText(dm_.ADOQ_slushatel, "s_fio");
            document_data.note = QStringLiteral("На курсы в группе ") +
                                 db::sqlString(rowText(dm_.ADOQ_group_slushatel, "name_full"));
            break;
    }
    const QString additional = w_.Order_Edit2->text();
    document_data.order_no = additional.isEmpty() ? w_.Order_Edit->text() : additional;
    document_data.basis = w_.Osnovanie_RichEdit->toPlainText();
}

void TuitionPayment::showReceipt() {
    dm_.ADOQ_Exec->reopen(
        QStringLiteral("SELECT TOP(1) Faculty.[p23-2] FROM Faculty WHERE Faculty.id_faculty = ") +
        number(w_.Faculty_Lookup->keyValue()));
    w_.AddBtn->setEnabled(false);
    documents::ReceiptInputs inputs;
    inputs.faculty_doc_name = rowText(dm_.ADOQ_Exec, "p23-2");
    inputs.officials =
        documents::load_officials(dm_.ADOCon, data::SessionContext::instance().cash_desk_id);
    inputs.group_name = rowText(dm_.ADOQ_Groups, "p20");
    inputs.speciality_text = w_.Speciality_Lookup->currentText();
    inputs.rs_opl = documents::faculty_hides_institution(
        dm_.ADOCon, dm_.ADOQ_Faculty->value(QStringLiteral("id_faculty")).toLongLong());
    documents::TForm4 receipt(inputs);
    if (receipt.hasFacultyLabels()) {
        receipt.bindFaculty(inputs.faculty_doc_name);
    }
    ui::Dialogs::instance().printPreview(receipt);
}

void TuitionPayment::enrolApplicant() {
    dm_.ADOCon.execute(QStringLiteral("EXEC  DoAutoRecepted  @id_abiturient = ") +
                       number(applicant_) + QStringLiteral(",@id_speciality = ") +
                       number(applicantSpeciality_) + QStringLiteral(",@id_rate = 1") +
                       QStringLiteral(",@id_a_year = ") + number(year_));
}

void TuitionPayment::reset() {
    const std::initializer_list<ui::DBLookupComboBox*> cleared{
        w_.Speciality_Lookup, w_.Ab_Speciality_Lookup, w_.Group_ComboBox,    w_.Student_Lookup,
        w_.Ab_Student_Lookup, w_.DBLookupComboBox2,    w_.DBLookupComboBox3, w_.Year_Lookup};
    for (ui::DBLookupComboBox* list : cleared) {
        list->clear();
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             w_.Year_Lookup, w_.Speciality_Lookup, w_.Ab_Speciality_Lookup, w_.Rate_ComboBox,
             w_.Group_ComboBox, w_.Uslug_DBLookupComboBox, w_.Student_Lookup, w_.Ab_Student_Lookup,
             w_.DBLookupComboBox2, w_.DBLookupComboBox3}) {
        control->setEnabled(false);
    }
    w_.reset_payment_group();  // also disables and clears the payment kind
    w_.Order_Edit2->clear();

    w_.Faculty_Lookup->clear();
    // With the barcode box ticked the next payer comes from the barcode field; otherwise the
    // cascade starts again at the dropped-down faculty list.
    if (w_.CheckBox1->isChecked() && canFocus(w_.Edit2)) {
        w_.Edit2->setFocus();
    } else if (canFocus(w_.Faculty_Lookup)) {
        w_.Faculty_Lookup->setFocus();
        w_.Faculty_Lookup->showPopup();
    }
}

}  // namespace zur::desk
