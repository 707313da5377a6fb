#include "documents/passport_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "platform/db/db_error.h"
#include "platform/ui/dialogs.h"

namespace zur::documents {

TForm18::TForm18(db::Connection& connection, const Recipient& recipient, QWidget* parent)
    : QDialog(parent), connection_(connection), recipient_(recipient) {
    setWindowTitle(QStringLiteral("Паспортные данные"));
    setObjectName(QStringLiteral("TForm18"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(320);
    Button1 = new QPushButton(QStringLiteral("Готово"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    QFont bold = Button1->font();
    bold.setBold(true);
    Button1->setFont(bold);
    Button1->setDefault(true);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Edit1);
    layout->addWidget(Button1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Edit1, &QLineEdit::returnPressed, Button1, &QPushButton::click);
}

QString TForm18::text() const {
    return Edit1->text();
}

void TForm18::lookUp() {
    lookedUp_ = true;
    Edit1->clear();
    try {
        Edit1->setText(passport_line(connection_, recipient_));
    } catch (const db::DbError& error) {
        ui::message(error.message(), QStringLiteral("Ошибка"), ui::Icon::Error);
    }
}

void TForm18::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!lookedUp_) {
        lookUp();
    }
    Button1->setFocus();
}

}  // namespace zur::documents
