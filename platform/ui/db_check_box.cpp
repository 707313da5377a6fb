#include "platform/ui/db_check_box.h"

namespace zur::ui {

DBCheckBox::DBCheckBox(QWidget* parent) : QCheckBox(parent) {
    connect(&link_, &DataLink::changed, this, &DBCheckBox::showField);
    connect(this, &QCheckBox::clicked, this, [this](bool checked) {
        if (!link_.writeOrReport(checked)) {
            showField();
        }
    });
}

void DBCheckBox::showField() {
    const QVariant value = link_.value();
    setChecked(!value.isNull() && value.toBool());
}

}  // namespace zur::ui
