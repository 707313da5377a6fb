// The keyboard of the window: the amount filter, Enter moving the focus, and the few keys that
// are swallowed.

#include "desk/tform1.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/db_lookup_combobox_eh.h"

#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace zur::desk {

namespace {

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Focuses `target` when it is enabled and shown; a list on a page not shown stays unfocused.
bool focusIfEnabled(QWidget* target) {
    if (target->isEnabled() && target->isVisible()) {
        target->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

}  // namespace

std::optional<QChar> TForm1::amountKey(const QString& text, int caret, QChar typed) {
    if (typed == u'\b') {
        return typed;
    }
    if (!typed.isDigit() && typed != u',' && typed != u'.') {
        return std::nullopt;
    }
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0 && comma < caret && text.size() - comma - 1 >= 2) {
        return std::nullopt;
    }
    return typed == u'.' ? QChar(u',') : typed;
}

void TForm1::installKeyFilters() {
    for (QObject* control : findChildren<QWidget*>()) {
        control->installEventFilter(this);
    }
    watchOtherWindows();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return handleKey(watched, static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            if (watched == Order_Edit || watched == Osnovanie_RichEdit ||
                watched == Primechanie_RichEdit) {
                runGuarded([this] { Osnovanie_RichEditChange(); });
            }
            break;
        case QEvent::FocusOut:
            // Opening the calendar or leaving the program's window is not leaving the picker.
            if (watched == DateTimePicker &&
                static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
                static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
                runGuarded([this] { draw_order_number(); });
            }
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::handleKey(QObject* watched, QKeyEvent* key) {
    const bool typed = !key->text().isEmpty() && key->key() != Qt::Key_Backspace && !isEnter(key) &&
                       !(key->modifiers() & Qt::ControlModifier);
    if (watched == Oplata_Edit && typed) {
        const auto accepted =
            amountKey(Oplata_Edit->text(), Oplata_Edit->cursorPosition(), key->text().at(0));
        if (accepted && *accepted != key->text().at(0)) {
            Oplata_Edit->insert(QString(*accepted));
        }
        return !accepted || *accepted != key->text().at(0);
    }
    if (watched == Order_Edit2 && key->key() == Qt::Key_Space) {
        return true;
    }
    if (!isEnter(key)) {
        return false;
    }
    const bool control = key->modifiers() & Qt::ControlModifier;
    if (watched == Osnovanie_RichEdit || watched == Primechanie_RichEdit) {
        if (control && AddBtn->isEnabled()) {
            const bool toRemark =
                watched == Osnovanie_RichEdit && PageControl1->currentIndex() == kExpensePage;
            (toRemark ? static_cast<QWidget*>(Primechanie_RichEdit) : AddBtn)->setFocus();
        }
        return true;  // both stay single paragraphs
    }
    return moveOnEnter(watched, key->modifiers());
}

bool TForm1::moveOnEnter(QObject* watched, Qt::KeyboardModifiers modifiers) {
    // Lists whose Enter moves to one target, if enabled.
    const std::pair<QWidget*, QWidget*> moves[] = {
        {Faculty_Lookup, Year_Lookup},
        {Year_Lookup, Speciality_Lookup},
        {DBLookupComboBox1, Speciality_Lookup},
        {Speciality_Lookup, Rate_ComboBox},
        {Rate_ComboBox, Group_ComboBox},
        {Group_ComboBox, Student_Lookup},
        {Student_Lookup, Uslug_DBLookupComboBox},
        {Ab_Student_Lookup, Uslug_DBLookupComboBox},
        {Slushatel_Lookup, Uslug_DBLookupComboBox},
        {Student_2_Lookup, Uslug_DBLookupComboBox},
        {Teacher_Lookup, Uslug_DBLookupComboBox},
        {Expense_StudentComboBox, Uslug_DBLookupComboBox},
        {Expense_TeacherComboBox, Uslug_DBLookupComboBox},
        {Expense_AbiturientComboBox, Uslug_DBLookupComboBox},
        {Uslug_DBLookupComboBox, Student_Lookup},
        {Faculty_2_Lookup, Usluga_Lookup},
        {Usluga_Lookup, Student_2_Lookup},
        {Expense_FacultyComboBox, Expense_CellNaznachenie_ComboBox},
        {Expense_CellNaznachenie_ComboBox, Expense_StudentComboBox},
    };
    for (const auto& [from, to] : moves) {
        if (watched == from) {
            return focusIfEnabled(to);
        }
    }
    if (watched == Dopol_edit || watched == Expense_DopolEdit) {
        if (Vid_Oplaty_ComboBox->isEnabled()) {
            Vid_Oplaty_ComboBox->setFocus();
            proposePaymentKind();
            Oplata_Edit->setEnabled(true);
        }
        return true;
    }
    const bool paymentField = watched == Vid_Oplaty_ComboBox || watched == Oplata_Edit ||
                              watched == Order_Edit || watched == Order_Edit2 ||
                              watched == DateTimePicker;
    if (!paymentField) {
        return false;
    }
    if (modifiers == Qt::ControlModifier) {
        focusNextPrevChild(false);
    } else if (modifiers == Qt::NoModifier || modifiers == Qt::KeypadModifier) {
        if (watched == DateTimePicker) {
            Order_Edit->clear();  // leaving the picker then draws a fresh number
        }
        focusNextPrevChild(true);
    }
    return true;
}

}  // namespace zur::desk
