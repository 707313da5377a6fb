#include "platform/ui/db_lookup_combobox_eh.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

namespace zur::ui {

DBLookupComboboxEh::DBLookupComboboxEh(QWidget* parent) : DBLookupComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);  // the search below replaces the completer
    connect(lineEdit(), &QLineEdit::textEdited, this, &DBLookupComboboxEh::typeText);
}

void DBLookupComboboxEh::keyPressEvent(QKeyEvent* event) {
    deleting_ = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
    DBLookupComboBox::keyPressEvent(event);
    deleting_ = false;
}

void DBLookupComboboxEh::typeText(const QString& text) {
    typing_ = true;
    int row = text.isEmpty() ? -1 : list().findPrefix(text);
    // Deleting searches without completing, or the deleted tail would come back at once.
    if (deleting_ && row >= 0 && list().textAt(row).compare(text, Qt::CaseInsensitive) != 0) {
        row = -1;
    }
    if (row < 0) {
        setKeyValue(QVariant());
        lineEdit()->setText(text);
    } else {
        pickRow(row);
        lineEdit()->setSelection(int(text.size()), int(list().textAt(row).size() - text.size()));
        if (view()->isVisible()) {
            view()->scrollTo(view()->model()->index(row, 0));
        }
    }
    typing_ = false;
    shownTextMayHaveChanged();
}

void DBLookupComboboxEh::shownTextMayHaveChanged() {
    if (!typing_ && currentText() != shown_) {
        shown_ = currentText();
        emit changed();
    }
}

}  // namespace zur::ui
