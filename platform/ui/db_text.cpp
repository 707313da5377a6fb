#include "platform/ui/db_text.h"

namespace zur::ui {

DBText::DBText(QWidget* parent) : QLabel(parent) {
    connect(&link_, &DataLink::changed, this, [this] { setText(link_.text()); });
}

}  // namespace zur::ui
