#include "desk/other_registration.h"

#include "desk/tform1.h"
#include "platform/db/dataset/dataset.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/dialogs.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zur::desk {

bool check_form(std::initializer_list<bool> filled) {
    for (const bool field : filled) {
        if (!field) {
            ui::message(kFormIncomplete);
            return false;
        }
    }
    return true;
}

bool payment_group_filled(const TForm1& window) {
    return window.Vid_Oplaty_ComboBox->hasValue() && !window.Oplata_Edit->text().isEmpty() &&
           !window.Order_Edit->text().isEmpty();
}

QString document_order_no(const TForm1& window) {
    const QString additional = window.Order_Edit2->text();
    return additional.isEmpty() ? window.Order_Edit->text() : additional;
}

void assign_quietly(db::DataSet& record, const char* column, const QVariant& value) {
    try {
        record.fieldByName(QString::fromLatin1(column)).setValue(value);
    } catch (const db::DbError&) {
        // The column keeps its previous content.
    }
}

QString name_before_parenthesis(const QString& shown) {
    return shown.section(QLatin1Char('('), 0, 0).trimmed();
}

void clear_payment_group(TForm1& window) {
    window.reset_payment_group();
    window.Order_Edit2->clear();
    window.Primechanie_RichEdit->setEnabled(false);
    window.AddBtn->setEnabled(false);
}

}  // namespace zur::desk
