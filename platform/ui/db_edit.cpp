#include "platform/ui/db_edit.h"

namespace zur::ui {

DBEdit::DBEdit(QWidget* parent) : QLineEdit(parent) {
    connect(&link_, &DataLink::changed, this, &DBEdit::showField);
    connect(this, &QLineEdit::textEdited, this, &DBEdit::startEdit);
    connect(this, &QLineEdit::editingFinished, this, &DBEdit::updateRecord);
}

void DBEdit::showField() {
    if (link_.keepsTyping()) {
        return;  // keep what is being typed into the record being edited
    }
    if (text() != link_.text()) {
        setText(link_.text());
    }
}

void DBEdit::startEdit() {
    if (!link_.isReadOnly() && !link_.isTyping() && !link_.startTyping()) {
        showField();
    }
}

bool DBEdit::updateRecord() {
    return link_.commitTyped(text());
}

}  // namespace zur::ui
