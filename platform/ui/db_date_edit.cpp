#include "platform/ui/db_date_edit.h"

namespace zur::ui {

namespace {
// The edit's lowest date stands for an empty field.
const QDate kNoDate(1899, 12, 30);
}  // namespace

DBDateEdit::DBDateEdit(QWidget* parent) : QDateEdit(parent) {
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    setMinimumDate(kNoDate);
    setSpecialValueText(QStringLiteral(" "));
    setKeyboardTracking(false);
    setDate(kNoDate);
    connect(&link_, &DataLink::changed, this, &DBDateEdit::showField);
    connect(this, &QDateEdit::dateChanged, this, &DBDateEdit::dateEdited);
}

void DBDateEdit::showField() {
    const QDateTime value = link_.value().toDateTime();
    showing_ = true;
    setDate(value.isValid() ? value.date() : kNoDate);
    showing_ = false;
}

void DBDateEdit::dateEdited(QDate date) {
    if (showing_) {
        return;
    }
    const QVariant value = date == kNoDate ? QVariant() : QVariant(QDateTime(date, QTime(0, 0)));
    if (!link_.writeOrReport(value)) {
        showField();
    }
}

}  // namespace zur::ui
