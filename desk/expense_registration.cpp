#include "desk/expense_registration.h"

#include "data/dm_smeta.h"
#include "data/session_context.h"
#include "desk/other_registration.h"
#include "desk/payment_prelude.h"
#include "desk/tform1.h"
#include "documents/document_data.h"
#include "documents/expense_order.h"
#include "documents/order_inputs.h"
#include "documents/passport_dialog.h"
#include "platform/ui/db_lookup_combobox_eh.h"
#include "platform/ui/dialogs.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zur::desk {

namespace {

const QStringList kExpenseColumns{QStringLiteral(
    "SELECT TOP(0) id_kassa, id_a_year, id_expense,id_teacher, id_abiturient, dopol, id_payment, "
    "id_faculty, id_student,id_a_year, id_uslug, osnovanie, primech, id_slushatel "
    ",id_group_slushatel, id_v_opl,P102,P104, p104_1,P103, Onul, ZUR_User, ZUR_Update FROM "
    "Expense")};

// The applicant as the list shows it, without the code appended as " - [ code ]"; a hyphen in
// the name itself stays.
QString applicant_name(const QString& shown) {
    static const QString codeStart = QStringLiteral(" - [ ");
    const int code = shown.lastIndexOf(codeStart);
    return code >= 0 && shown.endsWith(QStringLiteral(" ]")) ? shown.left(code) : shown;
}

void set(db::DataSet& record, const char* column, const QVariant& value) {
    record.fieldByName(QString::fromLatin1(column)).setValue(value);
}

}  // namespace

ExpenseRegistration::ExpenseRegistration(TForm1& window) : w_(window), dm_(*data::DM_Smeta) {}

void ExpenseRegistration::run() {
    if (!formComplete() || !payment_prelude(w_)) {
        return;
    }
    storeExpense();
    fillDocument();
    w_.AddBtn->setEnabled(false);
    showOrder();
    reset();
}

bool ExpenseRegistration::formComplete() const {
    const bool recipient =
        w_.Expense_Teacher_RBtn->isChecked()      ? w_.Expense_TeacherComboBox->hasValue()
        : w_.Expense_Dopol_RBtn->isChecked()      ? !w_.Expense_DopolEdit->text().isEmpty()
        : w_.Expense_Abiturient_RBtn->isChecked() ? w_.Expense_AbiturientComboBox->hasValue()
        : w_.Expense_slushatel_RBtn->isChecked()  ? w_.Expense_SlushatelComboBox->hasValue()
                                                  : w_.Expense_StudentComboBox->hasValue();
    return check_form({w_.DBLookupComboBox1->hasValue(),
                       w_.Expense_CellNaznachenie_ComboBox->hasValue(), recipient,
                       payment_group_filled(w_)});
}

void ExpenseRegistration::storeExpense() {
    db::DataSet& record = *dm_.ADOQ_Exec;
    record.reopen(kExpenseColumns);
    record.append();
    try {
        if (w_.Expense_Student_RBtn->isChecked()) {
            set(record, "id_student", w_.Expense_StudentComboBox->keyValue());
        } else if (w_.Expense_Teacher_RBtn->isChecked()) {
            set(record, "id_teacher", w_.Expense_TeacherComboBox->keyValue());
        } else if (w_.Expense_Dopol_RBtn->isChecked()) {
            set(record, "dopol", w_.Expense_DopolEdit->text());
        } else if (w_.Expense_Abiturient_RBtn->isChecked()) {
            set(record, "id_abiturient", w_.Expense_AbiturientComboBox->keyValue());
        } else {
            // The listener list stands at the chosen listener.
            db::DataSet& listeners = *dm_.ADOQ_slushatel2;
            set(record, "id_slushatel", listeners.value(QStringLiteral("id_student")));
            set(record, "id_group_slushatel",
                listeners.value(QStringLiteral("id_group_slushatel")));
        }
        const data::SessionContext& session = data::SessionContext::instance();
        set(record, "Onul", false);
        set(record, "id_a_year", w_.DBLookupComboBox1->keyValue());
        set(record, "id_kassa", session.cash_desk_id);
        // The faculty is chosen only where the cash desk serves several (setting 40).
        set(record, "id_faculty",
            w_.Label24->isHidden() ? QVariant() : w_.DBLookupComboBox4->keyValue());
        set(record, "osnovanie", w_.Osnovanie_RichEdit->toPlainText());
        set(record, "primech", w_.Primechanie_RichEdit->toPlainText());
        set(record, "id_uslug", w_.Expense_CellNaznachenie_ComboBox->keyValue());
        set(record, "id_v_opl", w_.Vid_Oplaty_ComboBox->keyValue());
        set(record, "P102", money_value(documents::document_data.total_sum));
        set(record, "P104", w_.Order_Edit->text());
        set(record, "P104_1", w_.Order_Edit2->text());
        set(record, "P103", w_.DateTimePicker->dateTime());
        if (w_.return_mode) {
            set(record, "id_payment", w_.return_payment_id);
        }
        set(record, "ZUR_User", session.current_login);
        set(record, "ZUR_Update", QDate::currentDate());
        record.post();
    } catch (const db::DbError&) {
        record.cancel();
        record.close();
        throw;
    }
    record.close();
    // The return is recorded: the window leaves return mode only now, so that a refused
    // expense can be registered again as the same return.
    w_.return_mode = false;
    w_.return_payment_id = 0;
}

void ExpenseRegistration::fillDocument() {
    documents::TOplataRec& rec = documents::document_data;
    rec.order_no = document_order_no(w_);
    rec.basis = w_.Osnovanie_RichEdit->toPlainText() + QLatin1Char('\r') +
                w_.Primechanie_RichEdit->toPlainText();
    rec.note.clear();
    if (w_.Expense_Student_RBtn->isChecked()) {
        rec.payer_name = name_before_parenthesis(w_.Expense_StudentComboBox->currentText());
    } else if (w_.Expense_Teacher_RBtn->isChecked()) {
        rec.payer_name = dm_.ADOT_Teacher->value(QStringLiteral("t_fio")).toString();
    } else if (w_.Expense_Dopol_RBtn->isChecked()) {
        rec.payer_name = w_.Expense_DopolEdit->text();
    } else if (w_.Expense_Abiturient_RBtn->isChecked()) {
        rec.payer_name = applicant_name(w_.Expense_AbiturientComboBox->currentText());
    } else {
        rec.payer_name = dm_.ADOQ_slushatel2->value(QStringLiteral("s_fio")).toString();
    }
}

void ExpenseRegistration::showOrder() {
    documents::ExpenseInputs inputs;
    inputs.officials =
        documents::load_officials(dm_.ADOCon, data::SessionContext::instance().cash_desk_id);
    documents::TForm9 order(inputs);
    setHeader(order);
    setIdentityDocument(order);
    ui::Dialogs::instance().printPreview(order);
}

void ExpenseRegistration::setHeader(documents::TForm9& order) {
    db::DataSet& exec = *dm_.ADOQ_Exec;
    exec.close();
    exec.setSql(
        QStringLiteral(" SELECT  id_vuz_defaults, id_field  FROM         VuzDefaults  WHERE     "
                       "(id_vuz_defaults = 40)"));
    exec.open();
    if (!exec.isEmpty() && exec.value(QStringLiteral("id_field")).toInt() == 1) {
        db::DataSet& faculties = *dm_.ADOQ_facExpence;
        order.showFacultyHeader(faculties.isOpen() && !faculties.isEmpty()
                                    ? faculties.value(QStringLiteral("nameFac")).toString()
                                    : QString());
        return;
    }
    exec.close();
    exec.setSql(QStringLiteral("SELECT TOP(1) Kassa.[name] FROM Kassa WHERE Kassa.id_kassa = ") +
                QString::number(data::SessionContext::instance().cash_desk_id));
    exec.open();
    order.showCashDesk(exec.isEmpty() ? QString()
                                      : exec.value(documents::TForm9::cashDeskColumn()).toString());
}

void ExpenseRegistration::setIdentityDocument(documents::TForm9& order) {
    using Kind = documents::Recipient::Kind;
    documents::Recipient recipient;
    if (w_.Expense_Teacher_RBtn->isChecked()) {
        recipient = {Kind::Staff, w_.Expense_TeacherComboBox->keyValue().toLongLong()};
    } else if (w_.Expense_Student_RBtn->isChecked()) {
        recipient = {Kind::Student, w_.Expense_StudentComboBox->keyValue().toLongLong()};
    } else if (w_.Expense_Abiturient_RBtn->isChecked()) {
        recipient = {Kind::Applicant, w_.Expense_AbiturientComboBox->keyValue().toLongLong()};
    } else {
        return;  // a free-text or listener recipient has no identity line
    }
    documents::TForm18 dialog(dm_.ADOCon, recipient, &w_);
    dialog.lookUp();
    ui::Dialogs::instance().runModal(dialog);
    order.setIdentityDocument(dialog.text());
}

void ExpenseRegistration::reset() {
    for (ui::DBLookupComboBox* list : std::initializer_list<ui::DBLookupComboBox*>{
             w_.DBLookupComboBox4, w_.Expense_FacultyComboBox, w_.Expense_CellNaznachenie_ComboBox,
             w_.Expense_StudentComboBox, w_.Expense_TeacherComboBox}) {
        list->clear();
    }
    // Selecting the student button runs its step, which opens the student list: select first,
    // then close the lists, so that the page is back at its start.
    w_.Expense_Student_RBtn->setChecked(true);
    w_.Expense_CellNaznachenie_ComboBox->setEnabled(false);
    w_.Expense_StudentComboBox->setEnabled(false);
    w_.Expense_DopolEdit->clear();
    for (QRadioButton* button :
         {w_.Expense_Student_RBtn, w_.Expense_Teacher_RBtn, w_.Expense_Dopol_RBtn}) {
        button->setEnabled(false);
    }
    if (w_.Expense_FacultyComboBox->isEnabled() && w_.Expense_FacultyComboBox->isVisible()) {
        w_.Expense_FacultyComboBox->setFocus();
    }
    clear_payment_group(w_);
    w_.DBLookupComboBox1->clear();
    w_.DBLookupComboBox1->setEnabled(false);
}

}  // namespace zur::desk
