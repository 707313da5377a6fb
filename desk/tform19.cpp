#include "desk/tform19.h"

#include "data/dm_smeta.h"
#include "platform/ui/db_lookup_combo_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zur::desk {

TForm19::TForm19(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Оплата на следующий год"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    Edit1 = new QLineEdit(this);
    Edit1->setReadOnly(true);
    Year_Lookup = new ui::DBLookupComboBox(this);
    Year_Lookup->setListSource(data::DM_Smeta->DS_adot_a_year2);
    Year_Lookup->setListField(QStringLiteral("p32"));
    Year_Lookup->setKeyField(QStringLiteral("id_a_year"));
    data::DM_Smeta->ADOT_a_year2->open();

    YesButton = new QPushButton(QStringLiteral("Да"), this);
    YesButton->setDefault(true);
    NoButton = new QPushButton(QStringLiteral("Нет"), this);
    connect(YesButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(NoButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(Year_Lookup, &QComboBox::currentTextChanged, this, &TForm19::updateYesButton);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Сумма:"), this), 0, 0);
    fields->addWidget(Edit1, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("На учебный год:"), this), 1, 0);
    fields->addWidget(Year_Lookup, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(YesButton);
    buttons->addWidget(NoButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Остаток суммы можно перевести на другой учебный год:"), this));
    layout->addLayout(fields);
    layout->addWidget(
        new QLabel(QStringLiteral("Вы хотите перевести остаток суммы на другой год?"), this));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    updateYesButton();
}

TForm19::~TForm19() {
    data::DM_Smeta->ADOT_a_year2->close();
}

void TForm19::updateYesButton() {
    YesButton->setEnabled(Year_Lookup->hasValue());
}

}  // namespace zur::desk
