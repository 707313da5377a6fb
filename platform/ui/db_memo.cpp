#include "platform/ui/db_memo.h"

namespace zur::ui {

DBMemo::DBMemo(QWidget* parent) : QPlainTextEdit(parent) {
    connect(&link_, &DataLink::changed, this, &DBMemo::showField);
    connect(this, &QPlainTextEdit::textChanged, this, &DBMemo::textTyped);
}

void DBMemo::showField() {
    if (link_.keepsTyping()) {
        return;
    }
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
    if (!link_.isReadOnly() && !link_.isTyping() && !link_.startTyping()) {
        showField();
    }
}

bool DBMemo::updateRecord() {
    return link_.commitTyped(toPlainText());
}

void DBMemo::focusOutEvent(QFocusEvent* event) {
    updateRecord();
    QPlainTextEdit::focusOutEvent(event);
}

}  // namespace zur::ui
