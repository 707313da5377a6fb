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
    connections_ << connect(dataSet_, &DS::recordChanged, this, &LookupList::reload);
}

void LookupList::reload() {
    beginResetModel();
    const bool open = dataSet_ && dataSet_->isOpen();
    const db::Field* text = open ? dataSet_->findField(listField_) : nullptr;
    const db::Field* key = open ? dataSet_->findField(keyField_) : nullptr;
    textIndex_ = text ? text->index() : -1;
    keyIndex_ = key ? key->index() : -1;
    rows_ = text && key ? dataSet_->recordCount() : 0;
    plainText_ = text && (text->type() == db::FieldType::String ||
                          text->type() == db::FieldType::WideString);
    indexed_ = false;
    rowsByKey_.clear();
    endResetModel();
    emit reloaded();
}

QString LookupList::textAt(int row) const {
    return dataSet_->textAt(row, textIndex_);
}

QVariant LookupList::keyAt(int row) const {
    return dataSet_->valueAt(row, keyIndex_);
}

void LookupList::buildKeyIndex() const {
    if (indexed_) {
        return;
    }
    indexed_ = true;
    rowsByKey_.reserve(rows_);
    for (int row = 0; row < rows_; ++row) {
        const QString hashKey = db::valueKey(keyAt(row));
        if (!rowsByKey_.contains(hashKey)) {  // equal keys: the first row, as a search finds
            rowsByKey_.insert(hashKey, row);
        }
    }
}

QString LookupList::searchTextAt(int row) const {
    // Texts are their own display text: the stored value spares the formatting.
    return plainText_ ? dataSet_->valueAt(row, textIndex_).toString() : textAt(row);
}

int LookupList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant LookupList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return textAt(index.row());
        case KeyRole:
            return keyAt(index.row());
        default:
            return {};
    }
}

int LookupList::rowOfKey(const QVariant& key) const {
    if (key.isNull() || rows_ == 0) {
        return -1;
    }
    buildKeyIndex();
    return rowsByKey_.value(db::valueKey(key), -1);
}

int LookupList::findPrefix(const QString& prefix, int from) const {
    for (int step = 0; step < rows_; ++step) {
        const int row = (from + step) % rows_;
        if (searchTextAt(row).startsWith(prefix, Qt::CaseInsensitive)) {
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
