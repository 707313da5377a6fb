#pragma once
// "Оплата на следующий год": the offer to carry the part of a tuition payment beyond the
// course's contract to another academic year. "Да" accepts, "Нет" rejects.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zur::ui {
class DBLookupComboBox;
}

namespace zur::desk {

class TForm19 : public QDialog {
    Q_OBJECT

  public:
    // Opens the second year list ADOT_a_year2; closes it again when the dialog is destroyed.
    explicit TForm19(QWidget* parent = nullptr);
    ~TForm19() override;

    QLineEdit* Edit1;                   // the amount carried, read-only
    ui::DBLookupComboBox* Year_Lookup;  // the academic year that receives it
    QPushButton* YesButton;             // "Да"
    QPushButton* NoButton;              // "Нет"

  private:
    // "Да" needs a year to carry the amount to.
    void updateYesButton();
};

}  // namespace zur::desk
