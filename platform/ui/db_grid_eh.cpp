#include "platform/ui/db_grid_eh.h"

#include "platform/ui/data_link.h"
#include "platform/ui/grid_delegate.h"
#include "platform/ui/grid_header.h"

#include <QKeyEvent>

namespace zur::ui {

DBGridEh::DBGridEh(QWidget* parent)
    : QTableView(parent), delegate_(new GridDelegate(model_, this)) {
    setHorizontalHeader(new GridHeader(this));
    setModel(&model_);
    setItemDelegate(delegate_);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, &model_, &DataSetModel::clickTitle);
    connect(&model_, &DataSetModel::titleButtonClicked, this, &DBGridEh::titleButtonClicked);
    connect(&model_, &QAbstractItemModel::modelReset, this, &DBGridEh::followDataSet);
}

void DBGridEh::setDataSource(db::DataSource* source) {
    disconnect(scrolled_);
    model_.setDataSource(source);
    if (db::DataSet* dataSet = model_.dataSet()) {
        scrolled_ = connect(dataSet, &db::DataSet::scrolled, this, &DBGridEh::followDataSet);
    }
    followDataSet();
}

void DBGridEh::setReadOnly(bool on) {
    model_.setReadOnly(on);
    setEditTriggers(on ? NoEditTriggers
                       : EditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed));
}

void DBGridEh::setFitColumns(bool on) {
    horizontalHeader()->setSectionResizeMode(on ? QHeaderView::Stretch : QHeaderView::Interactive);
}

void DBGridEh::followDataSet() {
    const db::DataSet* dataSet = model_.dataSet();
    const int row = dataSet && dataSet->isOpen() ? dataSet->recNo() - 1 : -1;
    if (row < 0 || row == currentIndex().row()) {
        return;
    }
    following_ = true;
    setCurrentIndex(model_.index(row, qMax(currentIndex().column(), 0)));
    following_ = false;
}

void DBGridEh::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    db::DataSet* dataSet = model_.dataSet();
    if (following_ || !dataSet || !current.isValid() || current.row() == previous.row() ||
        current.row() == dataSet->recNo() - 1) {
        return;
    }
    // Moving to another record posts the edit of the one left; a refused post keeps it.
    if (!run([&](db::DataSet& data) { data.setRecNo(current.row() + 1); })) {
        followDataSet();
    }
}

bool DBGridEh::run(const std::function<void(db::DataSet&)>& operation) {
    try {
        operation(*model_.dataSet());
        return true;
    } catch (const db::DbError& error) {
        reportError(error);
        return false;
    }
}

bool DBGridEh::handleDataSetKey(QKeyEvent& event) {
    db::DataSet* dataSet = model_.dataSet();
    if (!dataSet || !dataSet->isOpen() || state() == EditingState) {
        return false;
    }
    const bool plain =
        event.modifiers() == Qt::NoModifier || event.modifiers() == Qt::KeypadModifier;
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (plain && dataSet->isEditing()) {
                run([](db::DataSet& data) { data.post(); });
                return true;
            }
            return false;
        case Qt::Key_Escape:
            if (dataSet->isEditing()) {
                run([](db::DataSet& data) { data.cancel(); });
                return true;
            }
            return false;
        case Qt::Key_Insert:
            if (plain && allowInsert_ && !isReadOnly()) {
                run([](db::DataSet& data) { data.insert(); });
                return true;
            }
            return false;
        case Qt::Key_Down:
            if (plain && allowInsert_ && !isReadOnly() && !dataSet->isEditing() &&
                (dataSet->isEmpty() || dataSet->recNo() == dataSet->recordCount())) {
                run([](db::DataSet& data) { data.append(); });
                return true;
            }
            return false;
        default:
            return false;
    }
}

void DBGridEh::keyPressEvent(QKeyEvent* event) {
    if (onKeyDown && onKeyDown(*event)) {
        event->accept();
        return;
    }
    if (handleDataSetKey(*event)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace zur::ui
