#include "platform/ui/db_edit.h"

namespace zur::ui {

DBEdit::DBEdit(QWidget* parent) : QLineEdit(parent) {
    connect(&link_, &DataLink::changed, this, &DBEdit::showField);
    connect(this, &QLineEdit::textEdited, this, &DBEdit::startEdit);
    connect(this, &QLineEdit::editingFinished, this, &DBEdit::updateRecord);
}

void DBEdit::showField() {
    const db::DataSet* dataSet = link_.dataSet();
    if (typed_ && dataSet && dataSet->isEditing()) {
        return;  // keep what is being typed into the record being edited
    }
    typed_ = false;
    if (text() != link_.text()) {
        setText(link_.text());
    }
}

void DBEdit::startEdit() {
    if (link_.isReadOnly()) {
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

bool DBEdit::updateRecord() {
    if (!typed_) {
        return true;
    }
    typed_ = false;
    const QString typed = text();
    if (!link_.writeOrReport(typed.isEmpty() ? QVariant() : QVariant(typed))) {
        typed_ = true;
        return false;
    }
    return true;
}

}  // namespace zur::ui
