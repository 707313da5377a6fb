#include "platform/ui/db_lookup_list_box.h"

namespace zur::ui {

DBLookupListBox::DBLookupListBox(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(&list_);
    connect(&list_, &LookupList::reloaded, this, [this] { applyKey(key_); });
    connect(this, &QListView::clicked, this, &DBLookupListBox::pickRow);
    connect(this, &QListView::activated, this, &DBLookupListBox::pickRow);
    connect(&link_, &DataLink::changed, this, [this] {
        if (link_.dataSet()) {
            applyKey(link_.value());
        }
    });
}

void DBLookupListBox::setKeyValue(const QVariant& key) {
    applyKey(key);
}

void DBLookupListBox::applyKey(const QVariant& key) {
    key_ = key;
    const int row = list_.rowOfKey(key);
    const QModelIndex index = list_.index(row, 0);
    setCurrentIndex(index);
    if (!index.isValid()) {
        clearSelection();
    }
}

void DBLookupListBox::pickRow(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    const QVariant key = list_.keyAt(index.row());
    if (link_.dataSet() && !link_.writeOrReport(key)) {
        applyKey(link_.value());
        return;
    }
    applyKey(key);
    emit picked();
}

}  // namespace zur::ui
