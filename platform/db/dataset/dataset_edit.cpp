// Edit, insert, post, cancel and delete with their events.

#include "platform/db/dataset/dataset_impl.h"

namespace zur::db {

namespace {

[[noreturn]] void notOpen(const DataSet& dataSet) {
    throw DbError(QStringLiteral("%1: набор данных закрыт").arg(dataSet.objectName()));
}

}  // namespace

bool DataSet::runChecked(const ErrorEvent& handler, const std::function<void()>& operation) {
    for (;;) {
        try {
            operation();
            return true;
        } catch (const DbError& error) {
            ErrorAction action = ErrorAction::Fail;
            if (handler) {
                handler(*this, error, action);
            }
            if (action == ErrorAction::Fail) {
                throw;
            }
            if (action == ErrorAction::Abort) {
                return false;
            }
        }
    }
}

void DataSet::leaveEditing(DataSetState next) {
    d_->editRow = -1;
    modified_ = false;
    d_->lookupIndex.clear();
    setState(next);
}

bool DataSet::checkBrowseMode() {
    if (!isEditing()) {
        return true;
    }
    return modified_ ? post() : cancel();
}

bool DataSet::edit() {
    if (!isOpen()) {
        notOpen(*this);
    }
    if (isEditing()) {
        return true;
    }
    if (view_.empty()) {
        return insert();
    }
    try {
        fire(beforeEdit);
        if (state_ != DataSetState::Browse || current_ < 0) {
            return false;
        }
        d_->editRow = sourceRow(current_);
        d_->buffer = d_->rows[std::size_t(d_->editRow)];
        d_->old = d_->buffer;
        modified_ = false;
        setState(DataSetState::Edit);
        fire(afterEdit);
    } catch (const Abort&) {
        return false;
    }
    return true;
}

bool DataSet::insert() {
    return insertAt(false);
}

bool DataSet::append() {
    return insertAt(true);
}

bool DataSet::insertAt(bool atEnd) {
    if (!isOpen()) {
        notOpen(*this);
    }
    if (!checkBrowseMode()) {
        return false;
    }
    try {
        fire(beforeInsert);
        fire(beforeScroll);
        Row row;
        row.values.resize(fieldCount());
        d_->rows.push_back(row);
        const int position = atEnd || current_ < 0 ? recordCount() : current_;
        view_.insert(view_.begin() + position, int(d_->rows.size()) - 1);
        current_ = position;
        bof_ = eof_ = false;
        d_->editRow = int(d_->rows.size()) - 1;
        d_->buffer = row;
        d_->old = row;
        modified_ = false;
        setState(DataSetState::Insert);
        rowsReset();
        emit scrolled();
        fire(onNewRecord);
        fire(afterInsert);
        fire(afterScroll);
    } catch (const Abort&) {
        return false;
    }
    return true;
}

bool DataSet::post() {
    if (!isEditing()) {
        return true;
    }
    try {
        fire(beforePost);
        if (!isEditing()) {
            return false;
        }
        const bool inserting = state_ == DataSetState::Insert;
        if (!runChecked(onPostError, [&] { inserting ? writeInsert() : writeUpdate(); })) {
            return false;
        }
        Row& stored = d_->rows[std::size_t(d_->editRow)];
        stored = d_->buffer;
        stored.calculated = false;
        leaveEditing(DataSetState::Browse);
        emit recordChanged(current_);
        if (inserting) {
            rowsReset();
        }
        fire(afterPost);
    } catch (const Abort&) {
        return false;
    }
    return true;
}

bool DataSet::cancel() {
    if (!isEditing()) {
        return true;
    }
    try {
        fire(beforeCancel);
        if (!isEditing()) {
            return false;
        }
        const bool inserting = state_ == DataSetState::Insert;
        if (inserting) {
            view_.erase(view_.begin() + current_);
            d_->rows.pop_back();
            current_ = std::min(current_, recordCount() - 1);
        }
        leaveEditing(DataSetState::Browse);
        if (inserting) {
            rowsReset();
            emit scrolled();
        } else {
            emit recordChanged(current_);
        }
        fire(afterCancel);
    } catch (const Abort&) {
        return false;
    }
    return true;
}

bool DataSet::deleteRecord() {
    if (!isOpen()) {
        notOpen(*this);
    }
    if (state_ == DataSetState::Insert) {
        return cancel();
    }
    if (view_.empty()) {
        throw DbError(QStringLiteral("%1: нет записи для удаления").arg(objectName()));
    }
    try {
        fire(beforeDelete);
        fire(beforeScroll);
        if (state_ == DataSetState::Edit) {
            leaveEditing(DataSetState::Browse);
            emit recordChanged(current_);
        }
        if (!runChecked(onDeleteError, [&] { writeDelete(); })) {
            return false;
        }
        d_->rows[std::size_t(sourceRow(current_))].deleted = true;
        view_.erase(view_.begin() + current_);
        current_ = std::min(current_, recordCount() - 1);
        eof_ = view_.empty();
        rowsReset();
        emit scrolled();
        fire(afterDelete);
        fire(afterScroll);
    } catch (const Abort&) {
        return false;
    }
    return true;
}

}  // namespace zur::db
