#include "desk/income_registration.h"

#include "data/dm_smeta.h"
#include "data/session_context.h"
#include "desk/other_registration.h"
#include "desk/payment_prelude.h"
#include "desk/tform1.h"
#include "documents/document_data.h"
#include "documents/order_inputs.h"
#include "documents/receipt_order.h"
#include "platform/ui/db_lookup_combobox_eh.h"
#include "platform/ui/dialogs.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zur::desk {

namespace {

const QStringList kPaymentColumns{
    QStringLiteral("SELECT TOP(0) id_kassa, id_payment,id_teacher, dopol, id_faculty, id_student, "
                   "id_slushatel,id_a_year, id_uslug, osnovanie, primech,id_v_opl,P102,P104, "
                   "p104_1,P103,id_oplata,ZUR_User, ZUR_Update FROM Payment")};

// Marks the record as one of the income page (not a tuition payment).
const QVariant kIncomeRecord = QStringLiteral("2");

}  // namespace

IncomeRegistration::IncomeRegistration(TForm1& window) : w_(window), dm_(*data::DM_Smeta) {}

void IncomeRegistration::run() {
    if (!formComplete() || !payment_prelude(w_)) {
        return;
    }
    storePayment();
    fillDocument();
    w_.AddBtn->setEnabled(false);
    showReceipt();
    reset();
}

bool IncomeRegistration::formComplete() const {
    const bool payer = w_.Teacher_RBtn->isChecked()   ? w_.Teacher_Lookup->hasValue()
                       : w_.Dopol_RBtn->isChecked()   ? !w_.Dopol_edit->text().isEmpty()
                       : w_.RadioButton4->isChecked() ? w_.Slushatel_Lookup->hasValue()
                                                      : w_.Student_2_Lookup->hasValue();
    return check_form({w_.Faculty_2_Lookup->hasValue(), w_.Usluga_Lookup->hasValue(), payer,
                       payment_group_filled(w_)});
}

void IncomeRegistration::storePayment() {
    db::DataSet& record = *dm_.ADOQ_Exec;
    record.reopen(kPaymentColumns);
    record.append();
    try {
        if (w_.Student_RBtn->isChecked()) {
            assign_quietly(record, "id_student", w_.Student_2_Lookup->keyValue());
        } else if (w_.Teacher_RBtn->isChecked()) {
            assign_quietly(record, "id_teacher", w_.Teacher_Lookup->keyValue());
        } else if (w_.Dopol_RBtn->isChecked()) {
            assign_quietly(record, "dopol", w_.Dopol_edit->text());
        } else {
            // The listener list stands at the chosen listener.
            assign_quietly(record, "id_slushatel",
                           dm_.ADOQ_slushatel2->value(QStringLiteral("id_student")));
        }
        const data::SessionContext& session = data::SessionContext::instance();
        assign_quietly(record, "id_kassa", session.cash_desk_id);
        assign_quietly(record, "id_faculty", w_.Faculty_2_Lookup->keyValue());
        assign_quietly(record, "osnovanie", w_.Osnovanie_RichEdit->toPlainText());
        assign_quietly(record, "primech", w_.Primechanie_RichEdit->toPlainText());
        assign_quietly(record, "id_uslug", w_.Usluga_Lookup->keyValue());
        assign_quietly(record, "id_v_opl", w_.Vid_Oplaty_ComboBox->keyValue());
        assign_quietly(record, "P102", money_value(documents::document_data.total_sum));
        assign_quietly(record, "P104", w_.Order_Edit->text());
        record.fieldByName(QStringLiteral("P104_1")).setValue(w_.Order_Edit2->text());
        assign_quietly(record, "P103", w_.DateTimePicker->dateTime());
        assign_quietly(record, "id_oplata", kIncomeRecord);
        assign_quietly(record, "ZUR_User", session.current_login);
        assign_quietly(record, "ZUR_Update", QDate::currentDate());
        record.post();
    } catch (const db::DbError&) {
        record.cancel();
        record.close();
        throw;
    }
    record.close();
}

void IncomeRegistration::fillDocument() {
    documents::TOplataRec& rec = documents::document_data;
    rec.order_no = document_order_no(w_);
    rec.basis = w_.Osnovanie_RichEdit->toPlainText();
    rec.note = w_.Primechanie_RichEdit->toPlainText();
    if (w_.Student_RBtn->isChecked()) {
        rec.payer_name = name_before_parenthesis(w_.Student_2_Lookup->currentText());
    } else if (w_.Teacher_RBtn->isChecked()) {
        rec.payer_name = dm_.ADOT_Teacher->value(QStringLiteral("t_fio")).toString();
    } else if (w_.Dopol_RBtn->isChecked()) {
        rec.payer_name = w_.Dopol_edit->text();
    } else {
        rec.payer_name = dm_.ADOQ_slushatel2->value(QStringLiteral("s_fio")).toString();
    }
}

void IncomeRegistration::showReceipt() {
    db::DataSet& faculty = *dm_.ADOQ_Exec;
    faculty.close();
    faculty.setSql(
        QStringLiteral("SELECT TOP(1) Faculty.[p23-2] FROM Faculty WHERE Faculty.id_faculty = ") +
        QString::number(w_.Faculty_2_Lookup->keyValue().toLongLong()));
    faculty.open();
    documents::ReceiptInputs inputs;
    inputs.faculty_doc_name = faculty.isEmpty() ? QString() : faculty.field(0).asString();
    inputs.rs_opl = documents::faculty_hides_institution(
        dm_.ADOCon, dm_.ADOQ_Faculty->value(QStringLiteral("id_faculty")).toLongLong());
    inputs.officials =
        documents::load_officials(dm_.ADOCon, data::SessionContext::instance().cash_desk_id);
    documents::TForm4 receipt(inputs);
    receipt.bindFaculty(inputs.faculty_doc_name);
    ui::Dialogs::instance().printPreview(receipt);
}

void IncomeRegistration::reset() {
    for (ui::DBLookupComboBox* list : std::initializer_list<ui::DBLookupComboBox*>{
             w_.Faculty_2_Lookup, w_.Usluga_Lookup, w_.Student_2_Lookup, w_.Teacher_Lookup,
             w_.Slushatel_Lookup}) {
        list->clear();
    }
    // Selecting the student button runs its step, which opens the student list: select first,
    // then close the lists, so that the page is back at its start.
    w_.Student_RBtn->setChecked(true);
    w_.Usluga_Lookup->setEnabled(false);
    w_.Student_2_Lookup->setEnabled(false);
    w_.Dopol_edit->clear();
    for (QRadioButton* button :
         {w_.Student_RBtn, w_.Teacher_RBtn, w_.Dopol_RBtn, w_.RadioButton4}) {
        button->setEnabled(false);
    }
    clear_payment_group(w_);
    if (w_.Faculty_2_Lookup->isEnabled() && w_.Faculty_2_Lookup->isVisible()) {
        w_.Faculty_2_Lookup->setFocus();
    }
}

}  // namespace zur::desk
