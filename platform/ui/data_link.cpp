#include "platform/ui/data_link.h"

#include "platform/ui/dialogs.h"

namespace zur::ui {

void reportError(const db::DbError& error) {
    message(error.message(), QStringLiteral("Ошибка"), Icon::Error);
}

DataLink::DataLink(QObject* parent) : QObject(parent) {}

void DataLink::setDataSource(db::DataSource* source) {
    source_ = source;
    connectDataSet();
    emit changed();
}

void DataLink::setFieldName(const QString& name) {
    fieldName_ = name;
    emit changed();
}

void DataLink::connectDataSet() {
    for (const auto& connection : connections_) {
        disconnect(connection);
    }
    connections_.clear();
    dataSet_ = source_ ? source_->dataSet() : nullptr;
    if (!dataSet_) {
        return;
    }
    using DS = db::DataSet;
    for (auto signal :
         {&DS::opened, &DS::closed, &DS::stateChanged, &DS::scrolled, &DS::rowsChanged}) {
        connections_ << connect(dataSet_, signal, this, &DataLink::changed);
    }
    connections_ << connect(dataSet_, &DS::recordChanged, this, [this](int row) {
        if (dataSet_ && row == dataSet_->recNo() - 1) {
            emit changed();
        }
    });
    connections_ << connect(dataSet_, &DS::fieldChanged, this, &DataLink::changed);
}

db::DataSet* DataLink::dataSet() const {
    return dataSet_;
}

db::Field* DataLink::field() const {
    if (!dataSet_ || !dataSet_->isOpen() || fieldName_.isEmpty()) {
        return nullptr;
    }
    return dataSet_->findField(fieldName_);
}

QVariant DataLink::value() const {
    db::Field* f = field();
    return f && dataSet_->recNo() > 0 ? f->value() : QVariant();
}

QString DataLink::text() const {
    db::Field* f = field();
    return f && dataSet_->recNo() > 0 ? f->text() : QString();
}

bool DataLink::isReadOnly() const {
    db::Field* f = field();
    return !f || f->isReadOnly();
}

bool DataLink::edit() {
    if (!field() || dataSet_->recNo() == 0) {
        return false;
    }
    return dataSet_->isEditing() || dataSet_->edit();
}

bool DataLink::write(const QVariant& value) {
    if (isReadOnly() || !edit()) {
        return false;
    }
    field()->setValue(value);
    return true;
}

bool DataLink::writeOrReport(const QVariant& value) {
    try {
        return write(value);
    } catch (const db::DbError& error) {
        reportError(error);
        return false;
    }
}

bool DataLink::startTyping() {
    typing_ = true;
    try {
        if (edit()) {
            return true;
        }
    } catch (const db::DbError& error) {
        reportError(error);
    }
    typing_ = false;
    return false;
}

bool DataLink::commitTyped(const QString& text) {
    if (!typing_) {
        return true;
    }
    typing_ = false;
    typing_ = !writeOrReport(text.isEmpty() ? QVariant() : QVariant(text));
    return !typing_;
}

bool DataLink::keepsTyping() {
    const db::DataSet* set = dataSet();
    if (typing_ && set && set->isEditing()) {
        return true;
    }
    typing_ = false;
    return false;
}

}  // namespace zur::ui
