// Page and sub-page changes and the enabling chain of the payment group.

#include "desk/tform1.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/db_lookup_combobox_eh.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace zur::desk {

namespace {

constexpr int kBasisHeightTuition = 90;
constexpr int kBasisHeightOther = 44;

}  // namespace

void TForm1::PageControl1Change() {
    const bool tuition = PageControl1->currentIndex() == kTuitionPage;
    for (QRadioButton* search : {RadioButton1, RadioButton2, RadioButton3}) {
        search->setVisible(tuition);
    }
    Label17->setVisible(!tuition);
    Primechanie_RichEdit->setVisible(!tuition);
    Osnovanie_RichEdit->setFixedHeight(tuition ? kBasisHeightTuition : kBasisHeightOther);
    updateAddButtonForPage();
}

void TForm1::updateAddButtonForPage() {
    switch (PageControl1->currentIndex()) {
        case kTuitionPage:
            AddBtn->setEnabled(Student_Lookup->hasValue());
            AddBtn->setText(QStringLiteral("Произвести оплату"));
            break;
        case kIncomePage:
            AddBtn->setEnabled(Student_2_Lookup->hasValue() || Teacher_Lookup->hasValue() ||
                               !Dopol_edit->text().isEmpty());
            AddBtn->setText(QStringLiteral("Произвести оплату"));
            break;
        case kExpensePage:
            AddBtn->setEnabled(Expense_StudentComboBox->hasValue() ||
                               Expense_TeacherComboBox->hasValue() ||
                               !Expense_DopolEdit->text().isEmpty());
            AddBtn->setText(QStringLiteral("Произвести возврат"));
            break;
    }
}

void TForm1::PageControl2Change() {
    const bool students = PageControl2->currentIndex() == kStudentSubPage;
    BitBtn1->setVisible(PageControl2->currentIndex() == kApplicantSubPage);
    CheckBox1->setEnabled(students);
    Edit2->setEnabled(students);
}

void TForm1::Oplata_EditChange() {
    DateTimePicker->setEnabled(!Oplata_Edit->text().isEmpty());
    Order_Edit->setEnabled(DateTimePicker->isEnabled());
}

void TForm1::Order_EditChange() {
    Osnovanie_RichEdit->setEnabled(!Order_Edit->text().isEmpty());
    Primechanie_RichEdit->setEnabled(Osnovanie_RichEdit->isEnabled());
}

void TForm1::Osnovanie_RichEditChange() {
    AddBtn->setEnabled(!Osnovanie_RichEdit->toPlainText().isEmpty());
}

}  // namespace zur::desk
