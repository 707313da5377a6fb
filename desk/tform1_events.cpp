// Which step each event of the window runs. Every event runs its step through runGuarded.

#include "desk/tform1.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/db_lookup_combobox_eh.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace zur::desk {

namespace {

constexpr int kTextMax = 200;

// Keeps a multi-line text within `max` characters.
void limitText(QPlainTextEdit* edit, int max) {
    const QString text = edit->toPlainText();
    if (text.size() > max) {
        edit->setPlainText(text.left(max));
        edit->moveCursor(QTextCursor::End);
    }
}

// Connects an event to a step of the window, run through the error guard.
struct StepBinder {
    TForm1* window;
    template <typename Sender, typename Signal>
    void operator()(Sender* sender, Signal signal, void (TForm1::*step)()) const {
        TForm1* target = window;
        QObject::connect(sender, signal, target, [target, step] {
            target->runGuarded([target, step] { (target->*step)(); });
        });
    }
};

}  // namespace

void TForm1::connectCascade() {
    const StepBinder on{this};
    using Box = ui::DBLookupComboBox;
    using EhBox = ui::DBLookupComboboxEh;
    on(Faculty_Lookup, &Box::picked, &TForm1::Faculty_LookupClick);
    on(Year_Lookup, &Box::picked, &TForm1::Year_LookupClick);
    on(Speciality_Lookup, &Box::picked, &TForm1::Speciality_LookupClick);
    on(Rate_ComboBox, &Box::picked, &TForm1::Rate_ComboBoxClick);
    on(Group_ComboBox, &Box::picked, &TForm1::Group_ComboBoxClick);
    on(Student_Lookup, &EhBox::changed, &TForm1::Student_LookupClick);
    on(Uslug_DBLookupComboBox, &Box::picked, &TForm1::Uslug_DBLookupComboBoxClick);
    on(Ab_Speciality_Lookup, &Box::picked, &TForm1::Ab_Speciality_LookupClick);
    on(CheckBox3, &QCheckBox::clicked, &TForm1::CheckBox3Click);
    on(Ab_Student_Lookup, &EhBox::changed, &TForm1::Ab_Student_LookupChange);
    on(BitBtn1, &QPushButton::clicked, &TForm1::BitBtn1Click);
    on(DBLookupComboBox3, &Box::picked, &TForm1::DBLookupComboBox3Click);
    on(DBLookupComboBox2, &Box::picked, &TForm1::DBLookupComboBox2Click);
    on(PageControl1, &QTabWidget::currentChanged, &TForm1::PageControl1Change);
    on(PageControl2, &QTabWidget::currentChanged, &TForm1::PageControl2Change);
}

void TForm1::connectPaymentGroup() {
    const StepBinder on{this};
    on(Vid_Oplaty_ComboBox, &ui::DBLookupComboBox::picked, &TForm1::Vid_Oplaty_ComboBoxClick);
    on(Oplata_Edit, &QLineEdit::textChanged, &TForm1::Oplata_EditChange);
    on(Order_Edit, &QLineEdit::textChanged, &TForm1::Order_EditChange);
    on(Order_Edit2, &QLineEdit::textChanged, &TForm1::Order_EditChange);
    on(Osnovanie_RichEdit, &QPlainTextEdit::textChanged, &TForm1::Osnovanie_RichEditChange);
    on(Primechanie_RichEdit, &QPlainTextEdit::textChanged, &TForm1::Osnovanie_RichEditChange);
    on(CheckBox4, &QCheckBox::clicked, &TForm1::CheckBox4Click);
    on(AddBtn, &QPushButton::clicked, &TForm1::AddBtnClick);
    for (QPlainTextEdit* text : {Osnovanie_RichEdit, Primechanie_RichEdit}) {
        connect(text, &QPlainTextEdit::textChanged, this, [text] { limitText(text, kTextMax); });
    }
}

void TForm1::connectOtherPages() {
    const StepBinder on{this};
    // A radio button's step runs when it becomes selected, by the cashier or by code.
    const auto onRadio = [this](QRadioButton* button, int tag, void (TForm1::*step)(int)) {
        connect(button, &QRadioButton::toggled, this, [this, tag, step](bool selected) {
            if (selected) {
                runGuarded([this, tag, step] { (this->*step)(tag); });
            }
        });
    };
    using Box = ui::DBLookupComboBox;
    using EhBox = ui::DBLookupComboboxEh;
    on(Faculty_2_Lookup, &Box::picked, &TForm1::Faculty_2_LookupClick);
    on(Usluga_Lookup, &Box::picked, &TForm1::Usluga_LookupClick);
    onRadio(Student_RBtn, 1, &TForm1::Student_RBtnClick);
    onRadio(Teacher_RBtn, 2, &TForm1::Student_RBtnClick);
    onRadio(Dopol_RBtn, 3, &TForm1::Student_RBtnClick);
    onRadio(RadioButton4, 4, &TForm1::Student_RBtnClick);
    for (EhBox* payer : {Student_2_Lookup, Teacher_Lookup, Slushatel_Lookup}) {
        on(payer, &EhBox::changed, &TForm1::Student_2_LookupChange);
    }
    on(Dopol_edit, &QLineEdit::textChanged, &TForm1::Dopol_editChange);

    on(Expense_FacultyComboBox, &Box::picked, &TForm1::Expense_FacultyComboBoxClick);
    on(DBLookupComboBox1, &Box::picked, &TForm1::DBLookupComboBox1Click);
    on(Expense_CellNaznachenie_ComboBox, &Box::picked,
       &TForm1::Expense_CellNaznachenie_ComboBoxClick);
    onRadio(Expense_Student_RBtn, 1, &TForm1::Expense_Student_RBtnClick);
    onRadio(Expense_Teacher_RBtn, 2, &TForm1::Expense_Student_RBtnClick);
    onRadio(Expense_Dopol_RBtn, 3, &TForm1::Expense_Student_RBtnClick);
    onRadio(Expense_Abiturient_RBtn, 4, &TForm1::Expense_Student_RBtnClick);
    onRadio(Expense_slushatel_RBtn, 5, &TForm1::Expense_Student_RBtnClick);
    for (EhBox* recipient : {Expense_StudentComboBox, Expense_TeacherComboBox,
                             Expense_AbiturientComboBox, Expense_SlushatelComboBox}) {
        on(recipient, &EhBox::changed, &TForm1::Expense_RecipientChange);
    }
    on(Expense_DopolEdit, &QLineEdit::textChanged, &TForm1::Expense_DopolEditChange);
}

}  // namespace zur::desk
