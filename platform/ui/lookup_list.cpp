#include "platform/ui/lookup_list.h"

#include "platform/db/dataset/field_values.h"

namespace zur::ui {

LookupList::LookupList(QObject* parent) : QAbstractListModel(parent) {}

void LookupList::setListSource(db::DataSource* source) {
    source_ = source;
    connectDataSet();
    reload();
}

void LookupList::setListField(const QString& name) {
    listField_ = name;
    reload();
}

void LookupList::setKeyField(const QString& name) {
    keyField_ = name;
    reload();
}

void LookupList::connectDataSet() {
    for (const auto& connection : connections_) {
        disconnect(connection);
    }
    connections_.clear();
    dataSet_ = source_ ? source_->dataSet() : nullptr;
    if (!dataSet_) {
        return;
    }
    using DS = db::DataSet;
    for (auto signal : {&DS::opened, &DS::closed, &DS::rowsChanged}) {
        connections_ << connect(dataSet_, signal, this, &LookupList::reload);
    }
    connections_ << connect(dataSet_, &DS::recordChanged, this, [this](int row) {
        if (row >= 0 && row < texts_.size()) {
            reload();
        }
    });
}

void LookupList::reload() {
    beginResetModel();
    texts_.clear();
    folded_.clear();
    keys_.clear();
    rowsByKey_.clear();
    db::Field* text = dataSet_ && dataSet_->isOpen() ? dataSet_->findField(listField_) : nullptr;
    db::Field* key = dataSet_ && dataSet_->isOpen() ? dataSet_->findField(keyField_) : nullptr;
    if (text && key) {
        const int count = dataSet_->recordCount();
        texts_.reserve(count);
        folded_.reserve(count);
        keys_.reserve(count);
        rowsByKey_.reserve(count);
        for (int row = 0; row < count; ++row) {
            texts_ << dataSet_->textAt(row, text->index());
            folded_ << texts_.back().toLower();
            keys_ << dataSet_->valueAt(row, key->index());
            const QString hashKey = db::valueKey(keys_.back());
            if (!rowsByKey_.contains(hashKey)) {  // equal keys: the first row, as a search finds
                rowsByKey_.insert(hashKey, row);
            }
        }
    }
    endResetModel();
    emit reloaded();
}

int LookupList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(texts_.size());
}

QVariant LookupList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= texts_.size()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return texts_.at(index.row());
        case KeyRole:
            return keys_.at(index.row());
        default:
            return {};
    }
}

int LookupList::rowOfKey(const QVariant& key) const {
    if (key.isNull()) {
        return -1;
    }
    return rowsByKey_.value(db::valueKey(key), -1);
}

int LookupList::findPrefix(const QString& prefix, int from) const {
    const QString folded = prefix.toLower();
    const int count = int(folded_.size());
    for (int step = 0; step < count; ++step) {
        const int row = (from + step) % count;
        if (folded_.at(row).startsWith(folded)) {
            return row;
        }
    }
    return -1;
}

void LookupList::moveListTo(int row) {
    if (dataSet_ && row >= 0 && row < dataSet_->recordCount() && dataSet_->recNo() != row + 1) {
        dataSet_->setRecNo(row + 1);
    }
}

}  // namespace zur::ui
