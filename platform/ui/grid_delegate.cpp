#include "platform/ui/grid_delegate.h"

#include "platform/db/dataset/field_values.h"
#include "platform/ui/dataset_model.h"

#include <QComboBox>

namespace zur::ui {

GridDelegate::GridDelegate(DataSetModel& model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

namespace {

// The look-up list of a lookup field: the result texts, the keys as item data.
void fillLookupChoices(QComboBox& combo, const db::Field& field) {
    db::DataSet* list = field.def().lookupDataSet;
    if (!list || !list->isOpen()) {
        return;
    }
    const db::Field& text = list->fieldByName(field.def().lookupResultField);
    const db::Field& key = list->fieldByName(field.def().lookupKeyField);
    for (int row = 0; row < list->recordCount(); ++row) {
        combo.addItem(list->textAt(row, text.index()), list->valueAt(row, key.index()));
    }
}

}  // namespace

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const db::Field* field = model_.fieldOf(index.column());
    if (!field || field->kind() != db::FieldKind::Lookup) {
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("LookupEditor"));
    fillLookupChoices(*combo, *field);
    connect(combo, &QComboBox::activated, this,
            [this, combo] { emit const_cast<GridDelegate*>(this)->commitData(combo); });
    return combo;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo || editor->objectName() != QLatin1String("LookupEditor")) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    const QString key = db::valueKey(index.data(Qt::EditRole));
    for (int row = 0; row < combo->count(); ++row) {
        if (db::valueKey(combo->itemData(row)) == key) {
            combo->setCurrentIndex(row);
            return;
        }
    }
    combo->setCurrentIndex(-1);
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo || editor->objectName() != QLatin1String("LookupEditor")) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    if (combo->currentIndex() >= 0 &&
        db::valueKey(combo->currentData()) != db::valueKey(index.data(Qt::EditRole))) {
        model->setData(index, combo->currentData(), Qt::EditRole);
    }
}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!(option->state & QStyle::State_Selected)) {
        return;
    }
    const CellStyle style = model_.cellStyle(index.row(), index.column(), true);
    if (style.background.isValid()) {
        option->palette.setColor(QPalette::Highlight, style.background);
    }
    if (style.foreground.isValid()) {
        option->palette.setColor(QPalette::HighlightedText, style.foreground);
    }
    option->font.setBold(style.bold);
}

}  // namespace zur::ui
