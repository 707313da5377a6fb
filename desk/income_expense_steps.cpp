// The steps of the income page "Приход" and the expense page "Расход": the faculty or cash desk,
// the year and the purpose open the payer choice; the radio buttons choose the kind of payer and
// paint its field; a chosen payer opens the payment group.

#include "data/dm_smeta.h"
#include "data/session_context.h"
#include "desk/tform1.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/db_lookup_combobox_eh.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zur::desk {

namespace {

data::TDM_Smeta& dm() {
    return *data::DM_Smeta;
}
data::SessionContext& session() {
    return data::SessionContext::instance();
}

const QColor kIncomeField(192, 220, 192);  // money green
const QColor kIncomeChosen(159, 202, 159);
const QColor kExpenseField(252, 210, 160);
const QColor kExpenseChosen(251, 192, 121);
const QColor kExpenseChosenEdit(251, 197, 130);
const QColor kExpenseText(0, 0, 125);

void clearAndDisable(std::initializer_list<ui::DBLookupComboBox*> lists) {
    for (ui::DBLookupComboBox* list : lists) {
        list->clear();
        list->setEnabled(false);
    }
}

void disable(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) {
        control->setEnabled(false);
    }
}

// The background of a payer field; `text` keeps a field's own text colour.
void paint(QWidget* field, const QColor& background, const QColor& text = QColor()) {
    QString style = QStringLiteral("background: %1;").arg(background.name());
    if (text.isValid()) {
        style += QStringLiteral(" color: %1;").arg(text.name());
    }
    field->setStyleSheet(style);
}

// Of the payer fields (index = radio button tag - 1), enables the one of `tag` only.
void enableOnly(const QList<QWidget*>& fields, int tag) {
    for (int i = 0; i < fields.size(); ++i) {
        fields[i]->setEnabled(i == tag - 1);
    }
}

}  // namespace

// ---- income page

void TForm1::Faculty_2_LookupClick() {
    reset_payment_group();
    clearAndDisable({Student_2_Lookup, Teacher_Lookup});
    Dopol_edit->setEnabled(false);
    Dopol_edit->clear();
    clearAndDisable({Slushatel_Lookup});
    disable({Student_RBtn, Teacher_RBtn, Dopol_RBtn, RadioButton4});
    Usluga_Lookup->setEnabled(Faculty_2_Lookup->hasValue());
    if (Usluga_Lookup->isEnabled()) {
        Usluga_Lookup->setKeyValue(session().income_purpose_id);
        Usluga_LookupClick();
    }
    AddBtn->setEnabled(false);
}

void TForm1::Usluga_LookupClick() {
    reset_payment_group();
    // A chosen listener keeps its list (its button's step is not run again).
    if (Student_RBtn->isChecked()) {
        Student_RBtnClick(1);
    } else if (Teacher_RBtn->isChecked()) {
        Student_RBtnClick(2);
    } else if (Dopol_RBtn->isChecked()) {
        Student_RBtnClick(3);
    }
    for (QRadioButton* button : {Student_RBtn, Teacher_RBtn, Dopol_RBtn, RadioButton4}) {
        button->setEnabled(true);
    }
    AddBtn->setEnabled(false);
}

void TForm1::Student_RBtnClick(int tag) {
    for (ui::DBLookupComboBox* list : {Student_2_Lookup, Teacher_Lookup, Slushatel_Lookup}) {
        list->clear();
    }
    Dopol_edit->clear();
    const QList<QWidget*> fields{Student_2_Lookup, Teacher_Lookup, Dopol_edit, Slushatel_Lookup};
    enableOnly(fields, tag);
    for (QWidget* field : fields) {
        paint(field, kIncomeField);
    }
    paint(fields[tag - 1], kIncomeChosen);
}

void TForm1::payerChosen(bool chosen) {
    Vid_Oplaty_ComboBox->setEnabled(chosen);
    if (chosen) {
        proposePaymentKind();
        Oplata_Edit->setEnabled(true);
    }
}

void TForm1::Student_2_LookupChange() {
    // The list whose shown text changed; called from code, the list of the chosen payer kind.
    auto* list = qobject_cast<ui::DBLookupComboBox*>(sender());
    if (list != Student_2_Lookup && list != Teacher_Lookup && list != Slushatel_Lookup) {
        list = Teacher_RBtn->isChecked()   ? Teacher_Lookup
               : RadioButton4->isChecked() ? Slushatel_Lookup
                                           : Student_2_Lookup;
    }
    payerChosen(list->hasValue());
}

void TForm1::Dopol_editChange() {
    reset_payment_group();
    Vid_Oplaty_ComboBox->setEnabled(!Dopol_edit->text().isEmpty());
}

// ---- expense page

void TForm1::Expense_FacultyComboBoxClick() {
    reset_payment_group();
    clearAndDisable({Expense_StudentComboBox, Expense_TeacherComboBox});
    Expense_DopolEdit->setEnabled(false);
    Expense_DopolEdit->clear();
    clearAndDisable({Expense_AbiturientComboBox});
    disable({Expense_Student_RBtn, Expense_Teacher_RBtn, Expense_Dopol_RBtn});
    clearAndDisable({Expense_CellNaznachenie_ComboBox});

    DBLookupComboBox1->setEnabled(Expense_FacultyComboBox->hasValue());
    if (DBLookupComboBox1->isEnabled()) {
        // An expense belongs to the calendar year (no shift to the academic year's start).
        const int shortYear = QString::number(serverDate().year()).mid(2, 2).toInt();
        db::DataSet& years = *dm().ADOT_a_year;
        years.locate(QStringLiteral("sh_year"), shortYear);
        DBLookupComboBox1->setKeyValue(years.value(QStringLiteral("id_a_year")));
        DBLookupComboBox1Click();
    }

    db::DataSet& applicants = *dm().ADOQ_ExpensiveAbit;
    applicants.close();
    if (Expense_FacultyComboBox->hasValue()) {
        applicants.setSql(
            QStringLiteral("SELECT id_student,  ab_fio + CASE WHEN idid IS NULL THEN '' ELSE ' - "
                           "[ ' + idid + ' ]' END AS [ab_fio]  FROM         dbo.ab_fio INNER JOIN  "
                           "dbo.ReceptInfo ON dbo.ab_fio.id_student = dbo.ReceptInfo.IDStudent "
                           "INNER JOIN  dbo.KasFak ON dbo.ReceptInfo.Faculties = "
                           "dbo.KasFak.id_faculty  WHERE     (dbo.KasFak.id_kassa = ") +
            QString::number(session().cash_desk_id) + QStringLiteral(") ") +
            QStringLiteral(" ORDER BY ab_fio.ab_fio"));
        applicants.open();
    }
    AddBtn->setEnabled(false);
}

void TForm1::DBLookupComboBox1Click() {
    reset_payment_group();
    clearAndDisable({Expense_StudentComboBox, Expense_TeacherComboBox});
    Expense_DopolEdit->setEnabled(false);
    Expense_DopolEdit->clear();
    clearAndDisable({Expense_AbiturientComboBox});
    disable({Expense_Student_RBtn, Expense_Teacher_RBtn, Expense_Dopol_RBtn});
    Expense_CellNaznachenie_ComboBox->setEnabled(DBLookupComboBox1->hasValue());
    // A returned payment has put its own faculty and purpose into the page: they stay.
    if (!return_mode) {
        if (!Label24->isHidden()) {
            db::DataSet& faculties = *dm().ADOQ_facExpence;
            faculties.close();
            faculties.setSql(
                QStringLiteral(" SELECT     dbo.KasFak.id_kassa, dbo.faculty.[p23-2] AS nameFac, "
                               "dbo.faculty.id_faculty FROM         dbo.KasFak INNER JOIN "
                               "dbo.faculty ON dbo.KasFak.id_faculty = dbo.faculty.id_faculty "
                               "WHERE     (dbo.KasFak.id_kassa = ") +
                QString::number(Expense_FacultyComboBox->keyValue().toInt()) + QStringLiteral(")"));
            faculties.open();
            faculties.first();
            DBLookupComboBox4->setKeyValue(
                faculties.isEmpty() ? QVariant() : faculties.value(QStringLiteral("id_faculty")));
        }
        Expense_CellNaznachenie_ComboBox->setKeyValue(session().expense_purpose_id);
        Expense_CellNaznachenie_ComboBoxClick();
    }
    AddBtn->setEnabled(false);
}

void TForm1::Expense_CellNaznachenie_ComboBoxClick() {
    const bool applicantsListed = !dm().ADOQ_ExpensiveAbit->isEmpty();
    if (!return_mode) {
        session().expense_purpose_id = Expense_CellNaznachenie_ComboBox->keyValue().toInt();
        reset_payment_group();
        // A chosen listener keeps its list (its button's step is not run again).
        if (Expense_Student_RBtn->isChecked()) {
            Expense_Student_RBtnClick(1);
        } else if (Expense_Teacher_RBtn->isChecked()) {
            Expense_Student_RBtnClick(2);
        } else if (Expense_Dopol_RBtn->isChecked()) {
            Expense_Student_RBtnClick(3);
        } else if (Expense_Abiturient_RBtn->isChecked()) {
            Expense_Student_RBtnClick(4);
        }
    }
    if (Expense_Abiturient_RBtn->isChecked()) {
        Expense_AbiturientComboBox->setEnabled(applicantsListed);
    }
    for (QRadioButton* button : {Expense_Student_RBtn, Expense_Teacher_RBtn, Expense_Dopol_RBtn,
                                 Expense_Abiturient_RBtn, Expense_slushatel_RBtn}) {
        button->setEnabled(true);
    }
    AddBtn->setEnabled(false);
}

void TForm1::Expense_Student_RBtnClick(int tag) {
    for (ui::DBLookupComboBox* list : {Expense_StudentComboBox, Expense_TeacherComboBox,
                                       Expense_AbiturientComboBox, Expense_SlushatelComboBox}) {
        list->clear();
    }
    Expense_DopolEdit->clear();
    const QList<QWidget*> fields{Expense_StudentComboBox, Expense_TeacherComboBox,
                                 Expense_DopolEdit, Expense_AbiturientComboBox,
                                 Expense_SlushatelComboBox};
    enableOnly(fields, tag);
    for (QWidget* field : fields) {
        paint(field, kExpenseField, field == Expense_DopolEdit ? kExpenseText : QColor());
    }
    if (fields[tag - 1] == Expense_DopolEdit) {
        paint(Expense_DopolEdit, kExpenseChosenEdit, kExpenseText);
    } else {
        paint(fields[tag - 1], kExpenseChosen);
    }
}

void TForm1::Expense_RecipientChange() {
    // The list whose shown text changed; called from code, the list of the chosen recipient kind.
    auto* list = qobject_cast<ui::DBLookupComboBox*>(sender());
    const QList<ui::DBLookupComboBox*> lists{Expense_StudentComboBox, Expense_TeacherComboBox,
                                             Expense_AbiturientComboBox, Expense_SlushatelComboBox};
    if (!lists.contains(list)) {
        list = Expense_Teacher_RBtn->isChecked()      ? Expense_TeacherComboBox
               : Expense_Abiturient_RBtn->isChecked() ? Expense_AbiturientComboBox
               : Expense_slushatel_RBtn->isChecked()  ? Expense_SlushatelComboBox
                                                      : Expense_StudentComboBox;
    }
    payerChosen(list->hasValue());
}

void TForm1::Expense_DopolEditChange() {
    if (return_mode) {
        return;
    }
    reset_payment_group();
    Vid_Oplaty_ComboBox->setEnabled(!Expense_DopolEdit->text().isEmpty());
}

}  // namespace zur::desk
