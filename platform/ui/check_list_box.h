#pragma once
// A list with a tick box on every line.

#include <QListWidget>

namespace zur::ui {

class CheckListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit CheckListBox(QWidget* parent = nullptr) : QListWidget(parent) {}

    // Replaces the lines, all unticked.
    void setLines(const QStringList& lines);
    bool isChecked(int line) const;
    void setChecked(int line, bool checked);
    void checkAll(bool checked = true);
    QList<int> checkedLines() const;
};

}  // namespace zur::ui
