#include "platform/ui/check_list_box.h"

namespace zur::ui {

void CheckListBox::setLines(const QStringList& lines) {
    clear();
    for (const QString& line : lines) {
        auto* item = new QListWidgetItem(line, this);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

bool CheckListBox::isChecked(int line) const {
    return item(line)->checkState() == Qt::Checked;
}

void CheckListBox::setChecked(int line, bool checked) {
    item(line)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void CheckListBox::checkAll(bool checked) {
    for (int line = 0; line < count(); ++line) {
        setChecked(line, checked);
    }
}

QList<int> CheckListBox::checkedLines() const {
    QList<int> lines;
    for (int line = 0; line < count(); ++line) {
        if (isChecked(line)) {
            lines << line;
        }
    }
    return lines;
}

}  // namespace zur::ui
