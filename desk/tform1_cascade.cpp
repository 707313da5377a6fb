// The tuition page's selection cascade: faculty, year, speciality, course, group and payer, each
// step filling the next list and clearing what lies after it.

#include "data/dm_smeta.h"
#include "desk/tform1.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/db_lookup_combobox_eh.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace zur::desk {

namespace {

data::TDM_Smeta& dm() {
    return *data::DM_Smeta;
}

void clearAndDisable(std::initializer_list<ui::DBLookupComboBox*> lists) {
    for (ui::DBLookupComboBox* list : lists) {
        list->clear();
        list->setEnabled(false);
    }
}

void focusIfPossible(QWidget* control) {
    if (control->isEnabled() && control->isVisibleTo(control->window())) {
        control->setFocus();
    }
}

}  // namespace

void TForm1::reset_payment_group() {
    Vid_Oplaty_ComboBox->setEnabled(false);
    Vid_Oplaty_ComboBox->clear();
    Oplata_Edit->setEnabled(false);
    Oplata_Edit->clear();
    DateTimePicker->setEnabled(false);
    DateTimePicker->setDate(QDate::currentDate());
    Order_Edit->setEnabled(false);
    Order_Edit->clear();
    Osnovanie_RichEdit->setEnabled(false);
}

QDate TForm1::serverDate() {
    if (serverClock) {
        return serverClock().date();
    }
    db::DataSet& exec = *dm().ADOQ_Exec;
    exec.reopen(QStringLiteral("SELECT GETDATE()"));
    return exec.field(0).value().toDateTime().date();
}

int TForm1::computeDefaultYear() {
    const QDate today = serverDate();
    // The academic year begins on 1 September.
    const int startYear = today.month() <= 8 ? today.year() - 1 : today.year();
    const int shortYear = QString::number(startYear).mid(2, 2).toInt();
    db::DataSet& years = *dm().ADOT_a_year;
    years.locate(QStringLiteral("sh_year"), shortYear);
    return years.value(QStringLiteral("id_a_year")).toInt();
}

void TForm1::Faculty_LookupClick() {
    if (Faculty_Lookup->hasValue()) {
        reset_payment_group();
        Year_Lookup->setEnabled(true);
        clearAndDisable({Ab_Speciality_Lookup, DBLookupComboBox2, DBLookupComboBox3});
        if (!default_year_computed) {
            default_year_id = computeDefaultYear();
            default_year_computed = true;
        }
        Year_Lookup->setKeyValue(default_year_id ? QVariant(*default_year_id) : QVariant());
        if (Year_Lookup->hasValue()) {
            Year_LookupClick();
        }
        clearAndDisable({Uslug_DBLookupComboBox, Rate_ComboBox, Group_ComboBox, Student_Lookup,
                         Ab_Student_Lookup});
    }
    AddBtn->setEnabled(false);
}

void TForm1::Year_LookupClick() {
    if (Year_Lookup->hasValue()) {
        default_year_id = Year_Lookup->keyValue().toInt();
    }
    if (Faculty_Lookup->hasValue()) {
        reset_payment_group();
        clearAndDisable({Speciality_Lookup, Rate_ComboBox, Group_ComboBox, Uslug_DBLookupComboBox,
                         Student_Lookup, Ab_Student_Lookup});
        DBLookupComboBox2->clear();
        DBLookupComboBox3->clear();
        const QString faculty = QString::number(facultyId());
        db::DataSet& specialities = *dm().ADOQ_Speciality;
        specialities.setSql(
            QStringLiteral(" SELECT  DISTINCT   id_speciality, p25_2, id_faculty, max_rate_id  "
                           "FROM         dbo.specialityRR  WHERE (visible = 1) AND              "
                           "(dbo.specialityRR.id_faculty = ") +
            faculty + QStringLiteral(")") + QStringLiteral(" ORDER BY ") +
            QStringLiteral("              dbo.specialityRR.[p25_2]"));
        specialities.open();
        db::DataSet& groups = *dm().ADOQ_group_slushatel;
        groups.setSql(QStringLiteral(" Select * from group_slushatel where id_faculty=") + faculty);
        groups.open();
        Speciality_Lookup->clear();
        Ab_Speciality_Lookup->clear();
        Speciality_Lookup->setEnabled(true);
        Ab_Speciality_Lookup->setEnabled(true);
        DBLookupComboBox3->setEnabled(true);
        if (PageControl2->currentIndex() == kStudentSubPage) {
            focusIfPossible(Speciality_Lookup);
        } else if (PageControl2->currentIndex() == kApplicantSubPage) {
            focusIfPossible(Ab_Speciality_Lookup);
        }
    }
    AddBtn->setEnabled(false);
}

void TForm1::Speciality_LookupClick() {
    if (Speciality_Lookup->hasValue()) {
        selected_speciality_id = Speciality_Lookup->keyValue().toInt();
        reset_payment_group();
        clearAndDisable({Uslug_DBLookupComboBox, Student_Lookup});
        Rate_ComboBox->clear();
        Rate_ComboBox->setEnabled(true);
        focusIfPossible(Rate_ComboBox);
        Rate_ComboBoxClick();
        if (Group_ComboBox->isEnabled() && focusWidget() != Student_Lookup) {
            focusIfPossible(Group_ComboBox);
        }
    }
    AddBtn->setEnabled(false);
}

void TForm1::Rate_ComboBoxClick() {
    if (!Rate_ComboBox->hasValue()) {
        return;
    }
    reset_payment_group();
    db::DataSet& groups = *dm().ADOQ_Groups;
    groups.setSql(
        QStringLiteral("SELECT DISTINCT dbo.Groups_payment.p20 AS gr, dbo.Groups_payment.id_group, "
                       "dbo.[group].p20 FROM         dbo.Groups_payment INNER JOIN dbo.[group] ON "
                       "dbo.Groups_payment.id_group = dbo.[group].id_group WHERE     "
                       "(dbo.Groups_payment.id_rate = ") +
        QString::number(Rate_ComboBox->keyValue().toInt()) +
        QStringLiteral(") AND (dbo.Groups_payment.id_a_year = ") +
        QString::number(Year_Lookup->keyValue().toInt()) +
        QStringLiteral(") AND (dbo.Groups_payment.id_speciality = ") +
        QString::number(selected_speciality_id) + QStringLiteral(") ") +
        QStringLiteral("ORDER BY dbo.Groups_payment.p20 "));
    groups.open();
    clearAndDisable({Uslug_DBLookupComboBox});
    Group_ComboBox->setEnabled(!groups.isEmpty());
    Group_ComboBox->clear();
    clearAndDisable({Student_Lookup});
    if (Group_ComboBox->isEnabled()) {
        groups.first();
        Group_ComboBox->setKeyValue(groups.value(QStringLiteral("id_group")));
        Group_ComboBoxClick();
    }
}

void TForm1::Group_ComboBoxClick() {
    if (!Group_ComboBox->hasValue()) {
        return;
    }
    reset_payment_group();
    Student_Lookup->setEnabled(true);
    Student_Lookup->clear();
    db::DataSet& students = *dm().ADOQ_Grid1;
    students.close();
    students.setParam(QStringLiteral("id_rate"), Rate_ComboBox->keyValue().toInt());
    students.setParam(QStringLiteral("id_group"), Group_ComboBox->keyValue().toInt());
    students.open();
    focusIfPossible(Student_Lookup);
}

void TForm1::proposeDefaultPurpose() {
    db::DataSet& defaults = *dm().ADOQ_temp;
    defaults.close();
    defaults.setSql(QStringLiteral("SELECT * FROM [ZUR].[dbo].[Def_Uslug] WHERE id_faculty = ") +
                    QString::number(facultyId()));
    defaults.open();
    Uslug_DBLookupComboBox->setKeyValue(defaults.isEmpty() ? QVariant()
                                                           : defaults.value(QStringLiteral("f1")));
    Uslug_DBLookupComboBox->setEnabled(true);
    Uslug_DBLookupComboBoxClick();
}

void TForm1::Student_LookupClick() {
    if (!Student_Lookup->hasValue()) {
        return;
    }
    reset_payment_group();
    Student_Lookup->setEnabled(true);
    proposeDefaultPurpose();
}

void TForm1::Ab_Student_LookupChange() {
    if (!Ab_Student_Lookup->hasValue()) {
        return;
    }
    reset_payment_group();
    proposeDefaultPurpose();
}

void TForm1::DBLookupComboBox2Click() {
    if (!DBLookupComboBox2->hasValue()) {
        return;
    }
    reset_payment_group();
    proposeDefaultPurpose();
}

void TForm1::Uslug_DBLookupComboBoxClick() {
    if (!Uslug_DBLookupComboBox->hasValue()) {
        return;
    }
    Vid_Oplaty_ComboBox->setEnabled(true);
    Vid_Oplaty_ComboBox->clear();
    focusIfPossible(Vid_Oplaty_ComboBox);
    proposePaymentKind();
    Oplata_Edit->setEnabled(true);
    Oplata_Edit->clear();
    DateTimePicker->setEnabled(false);
    DateTimePicker->setDate(QDate::currentDate());
    Order_Edit->setEnabled(false);
    Order_Edit->clear();
    Osnovanie_RichEdit->setEnabled(false);
}

}  // namespace zur::desk
