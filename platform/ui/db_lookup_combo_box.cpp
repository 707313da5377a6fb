#include "platform/ui/db_lookup_combo_box.h"

#include <QKeyEvent>
#include <QListView>

namespace zur::ui {

DBLookupComboBox::DBLookupComboBox(QWidget* parent) : QComboBox(parent) {
    // Long lists: no measuring of every row, uniform row heights in the drop-down.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(10);
    auto* listView = new QListView(this);
    listView->setUniformItemSizes(true);
    setView(listView);
    setModel(&list_);
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, &DBLookupComboBox::pickRow);
    connect(&list_, &LookupList::reloaded, this, [this] { applyKey(key_); });
    connect(&link_, &DataLink::changed, this, &DBLookupComboBox::followField);
}

void DBLookupComboBox::setKeyValue(const QVariant& key) {
    applyKey(key);
}

bool DBLookupComboBox::hasValue() const {
    return !key_.isNull() && !key_.toString().isEmpty();
}

void DBLookupComboBox::setDropDownWidth(int width) {
    dropDownWidth_ = width;
    view()->setMinimumWidth(width);
}

void DBLookupComboBox::applyKey(const QVariant& key) {
    showRow(key, list_.rowOfKey(key));
}

void DBLookupComboBox::showRow(const QVariant& key, int row) {
    key_ = key;
    setCurrentIndex(row);
    if (row < 0 && isEditable()) {
        setEditText(QString());
    }
    try {
        list_.moveListTo(row);
    } catch (const db::DbError& error) {
        reportError(error);
    }
    shownTextMayHaveChanged();
}

void DBLookupComboBox::followField() {
    if (link_.dataSet()) {
        applyKey(link_.value());
    }
}

void DBLookupComboBox::pickRow(int row) {
    if (row >= list_.rowCount()) {
        row = -1;
    }
    const QVariant key = row >= 0 ? list_.keyAt(row) : QVariant();
    if (link_.dataSet() && !link_.writeOrReport(key)) {
        followField();  // refused: show the field's value again
        return;
    }
    showRow(key, row);
    emit picked();
}

void DBLookupComboBox::keyPressEvent(QKeyEvent* event) {
    if (!nullValueKey_.isEmpty() && QKeySequence(event->keyCombination()) == nullValueKey_) {
        pickRow(-1);
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace zur::ui
