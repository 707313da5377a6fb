#include "platform/ui/db_memo.h"

namespace zur::ui {

DBMemo::DBMemo(QWidget* parent) : QPlainTextEdit(parent) {
    connect(&link_, &DataLink::changed, this, &DBMemo::showField);
    connect(this, &QPlainTextEdit::textChanged, this, &DBMemo::textTyped);
}

void DBMemo::showField() {
    const db::DataSet* dataSet = link_.dataSet();
    if (typed_ && dataSet && dataSet->isEditing()) {
        return;
    }
    typed_ = false;
    const QString text = link_.text();
    if (toPlainText() != text) {
        showing_ = true;
        setPlainText(text);
        showing_ = false;
        emit changed();
    }
}

void DBMemo::textTyped() {
    if (showing_) {
        return;
    }
    emit changed();
    if (typed_ || link_.isReadOnly()) {
        return;
    }
    typed_ = true;
    try {
        if (!link_.edit()) {
            typed_ = false;
            showField();
        }
    } catch (const db::DbError& error) {
        reportError(error);
    }
}

bool DBMemo::updateRecord() {
    if (!typed_) {
        return true;
    }
    typed_ = false;
    const QString text = toPlainText();
    if (!link_.writeOrReport(text.isEmpty() ? QVariant() : QVariant(text))) {
        typed_ = true;
        return false;
    }
    return true;
}

void DBMemo::focusOutEvent(QFocusEvent* event) {
    updateRecord();
    QPlainTextEdit::focusOutEvent(event);
}

}  // namespace zur::ui
