#include "platform/ui/db_navigator.h"

#include "platform/ui/data_link.h"
#include "platform/ui/dialogs.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace zur::ui {

namespace {

using B = DBNavigator::Button;

struct ButtonLook {
    B button;
    const char* glyph;
    const char* hint;
};

const ButtonLook kButtons[] = {
    {B::First, "|◀", "Первая запись"},      {B::Prior, "◀", "Предыдущая запись"},
    {B::Next, "▶", "Следующая запись"},     {B::Last, "▶|", "Последняя запись"},
    {B::Insert, "+", "Вставить запись"},    {B::Delete, "−", "Удалить запись"},
    {B::Edit, "▲", "Изменить запись"},      {B::Post, "✔", "Сохранить изменения"},
    {B::Cancel, "✖", "Отменить изменения"}, {B::Refresh, "↻", "Обновить данные"},
};

}  // namespace

DBNavigator::DBNavigator(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const ButtonLook& look : kButtons) {
        auto* button = new QToolButton(this);
        button->setText(QString::fromUtf8(look.glyph));
        button->setToolTip(QString::fromUtf8(look.hint));
        layout->addWidget(button);
        buttons_.insert(look.button, button);
        connect(button, &QToolButton::clicked, this, [this, which = look.button] { press(which); });
    }
    updateButtons();
}

void DBNavigator::setDataSource(db::DataSource* source) {
    for (const auto& connection : connections_) {
        disconnect(connection);
    }
    connections_.clear();
    dataSet_ = source ? source->dataSet() : nullptr;
    if (dataSet_) {
        using DS = db::DataSet;
        for (auto signal :
             {&DS::opened, &DS::closed, &DS::stateChanged, &DS::scrolled, &DS::rowsChanged}) {
            connections_ << connect(dataSet_, signal, this, &DBNavigator::updateButtons);
        }
    }
    updateButtons();
}

void DBNavigator::setVisibleButtons(const QList<Button>& visible) {
    for (auto it = buttons_.begin(); it != buttons_.end(); ++it) {
        it.value()->setVisible(visible.contains(it.key()));
    }
}

void DBNavigator::updateButtons() {
    const bool open = dataSet_ && dataSet_->isOpen();
    const bool editing = open && dataSet_->isEditing();
    const bool browsing = open && !editing;
    const bool hasRecords = open && !dataSet_->isEmpty();
    const bool atFirst = !hasRecords || dataSet_->recNo() <= 1;
    const bool atLast = !hasRecords || dataSet_->recNo() >= dataSet_->recordCount();
    const QHash<Button, bool> enabled = {
        {B::First, open && !atFirst},
        {B::Prior, open && !atFirst},
        {B::Next, open && !atLast},
        {B::Last, open && !atLast},
        {B::Insert, open},
        {B::Delete, hasRecords},
        {B::Edit, browsing && hasRecords},
        {B::Post, editing},
        {B::Cancel, editing},
        {B::Refresh, open},
    };
    for (auto it = buttons_.begin(); it != buttons_.end(); ++it) {
        it.value()->setEnabled(enabled.value(it.key()));
    }
}

void DBNavigator::press(Button which) {
    if (!dataSet_ || !dataSet_->isOpen()) {
        return;
    }
    try {
        act(which);
    } catch (const db::DbError& error) {
        reportError(error);
        return;
    }
    emit clicked(which);
}

void DBNavigator::act(Button which) {
    db::DataSet& data = *dataSet_;
    switch (which) {
        case B::First:
            return data.first();
        case B::Prior:
            return data.prior();
        case B::Next:
            return data.next();
        case B::Last:
            return data.last();
        case B::Insert:
            data.insert();
            return;
        case B::Delete:
            if (message(QStringLiteral("Удалить запись?"), QStringLiteral("Подтверждение"),
                        Icon::Question,
                        zur::ui::Button::Ok | zur::ui::Button::Cancel) == zur::ui::Button::Ok) {
                data.deleteRecord();
            }
            return;
        case B::Edit:
            data.edit();
            return;
        case B::Post:
            data.post();
            return;
        case B::Cancel:
            data.cancel();
            return;
        case B::Refresh: {
            const int recNo = data.recNo();
            data.requery();
            if (recNo > 1 && !data.isEmpty()) {
                data.setRecNo(qMin(recNo, data.recordCount()));
            }
            return;
        }
    }
}

}  // namespace zur::ui
