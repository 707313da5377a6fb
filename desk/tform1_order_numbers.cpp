// Order numbers: the next number from the database when the date is left, the recent numbers
// beside it, and the additional number's automatic insert.

#include "data/dm_smeta.h"
#include "data/session_context.h"
#include "desk/tform1.h"
#include "platform/ui/db_lookup_combo_box.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTabWidget>

namespace zur::desk {

namespace {

data::TDM_Smeta& dm() {
    return *data::DM_Smeta;
}

// The statements' common head: "'date', user, ".
QString dateAndUser(const QString& date) {
    return date + QStringLiteral("', ") +
           QString::number(data::SessionContext::instance().current_user_id) + QStringLiteral(", ");
}

QString getNum(const QString& date, int direction, const QString& kind) {
    return QStringLiteral("EXEC GetNum '") + dateAndUser(date) + QString::number(direction) +
           QStringLiteral(", ") + kind;
}

QString getThreeNums(const QString& date, int direction, int which) {
    return QStringLiteral("EXEC GetThreeNums '") + dateAndUser(date) + QString::number(direction) +
           QStringLiteral(", ") + QString::number(which);
}

void reopen(db::DataSet& list, const QString& statement) {
    list.close();
    list.setSql(statement);
    list.open();
}

}  // namespace

QString TForm1::orderDate() const {
    return DateTimePicker->date().toString(QStringLiteral("dd.MM.yyyy"));
}

void TForm1::Vid_Oplaty_ComboBoxClick() {
    Oplata_Edit->setEnabled(Vid_Oplaty_ComboBox->hasValue());
    // Without a kind the statement would be malformed: nothing is sent.
    if (!Vid_Oplaty_ComboBox->hasValue()) {
        return;
    }
    reopen(*dm().ADOQ_Exec, getNum(orderDate(), 1, Vid_Oplaty_ComboBox->keyValue().toString()));
}

int TForm1::next_number(const QString& statement) {
    db::DataSet& exec = *dm().ADOQ_Exec;
    reopen(exec, statement);
    const int number = exec.isEmpty() ? 1 : exec.field(0).value().toInt() + 1;
    dm().ADOQ_Order1->close();
    return number;
}

void TForm1::draw_order_number() {
    if (!Order_Edit->text().isEmpty() || !Vid_Oplaty_ComboBox->hasValue()) {
        return;
    }
    const int page = PageControl1->currentIndex();
    const int direction = page == kExpensePage ? 0 : 1;
    const QString date = orderDate();
    const int number =
        next_number(getNum(date, direction, Vid_Oplaty_ComboBox->keyValue().toString()));
    reopen(*dm().ADOQ_Order1, getThreeNums(date, direction, 1));
    reopen(*dm().ADOQ_Order2, getThreeNums(date, direction, 0));
    if (page == kTuitionPage) {
        CheckBox4Click();
    }
    Order_Edit->setText(QString::number(number));
}

void TForm1::CheckBox4Click() {
    if (!CheckBox4->isChecked()) {
        Order_Edit2->clear();
        return;
    }
    db::DataSet& additional = *dm().ADOQ_Order2;
    if (!additional.isOpen()) {
        return;
    }
    additional.last();
    Order_Edit2->setText(
        additional.isEmpty() ? QString() : additional.value(QStringLiteral("p104")).toString());
    Order_Edit2->deselect();
    Order_Edit2->setCursorPosition(Order_Edit2->text().size());
}

}  // namespace zur::desk
