#pragma once
// The lookup combo box with typed search: the cashier types the beginning of a name, the box
// jumps to the first row that begins so (letter case ignored, Cyrillic too) and completes the
// text; the key follows. Its change signal reports every change of the shown text, whether the
// cashier typed or code set the key.

#include "platform/ui/db_lookup_combo_box.h"

namespace zur::ui {

class DBLookupComboboxEh : public DBLookupComboBox {
    Q_OBJECT
  public:
    explicit DBLookupComboboxEh(QWidget* parent = nullptr);

    // The search that follows each keystroke, `text` being the edit's text after it.
    void typeText(const QString& text);

  signals:
    void changed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void shownTextMayHaveChanged() override;

  private:
    QString shown_;
    bool deleting_ = false;  // the keystroke being handled removes text
    bool typing_ = false;    // report the shown text once, after the search
};

}  // namespace zur::ui
