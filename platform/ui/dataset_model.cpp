#include "platform/ui/dataset_model.h"

#include "platform/ui/data_link.h"

#include <QFont>

namespace zur::ui {

namespace {

bool isNumber(db::FieldType type) {
    using T = db::FieldType;
    return type == T::Integer || type == T::AutoInc || type == T::Float || type == T::SmallInt;
}

}  // namespace

DataSetModel::DataSetModel(QObject* parent) : QAbstractTableModel(parent) {}

void DataSetModel::setDataSource(db::DataSource* source) {
    beginResetModel();
    dataSet_ = source ? source->dataSet() : nullptr;
    connectDataSet();
    rows_ = dataSet_ && dataSet_->isOpen() ? dataSet_->recordCount() : 0;
    endResetModel();
}

void DataSetModel::connectDataSet() {
    for (const auto& connection : connections_) {
        disconnect(connection);
    }
    connections_.clear();
    if (!dataSet_) {
        return;
    }
    using DS = db::DataSet;
    for (auto signal : {&DS::opened, &DS::closed, &DS::rowsChanged, &DS::stateChanged}) {
        connections_ << connect(dataSet_, signal, this, &DataSetModel::refresh);
    }
    connections_ << connect(dataSet_, &DS::recordChanged, this, &DataSetModel::refreshRow);
    connections_ << connect(dataSet_, &DS::fieldChanged, this,
                            [this] { refreshRow(dataSet_->recNo() - 1); });
}

void DataSetModel::refresh() {
    const int rows = dataSet_ && dataSet_->isOpen() ? dataSet_->recordCount() : 0;
    if (rows != rows_ || rows == 0) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
    } else {
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    }
}

void DataSetModel::refreshRow(int row) {
    if (row >= 0 && row < rows_ && !columns_.isEmpty()) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

void DataSetModel::setColumns(const QList<GridColumn>& columns) {
    beginResetModel();
    columns_ = columns;
    endResetModel();
}

int DataSetModel::addColumn(const GridColumn& column) {
    const int at = int(columns_.size());
    beginInsertColumns({}, at, at);
    columns_ << column;
    endInsertColumns();
    return at;
}

void DataSetModel::setColumnField(int index, const QString& fieldName) {
    columns_[index].fieldName = fieldName;
    emit headerDataChanged(Qt::Horizontal, index, index);
    if (rows_ > 0) {
        emit dataChanged(this->index(0, index), this->index(rows_ - 1, index));
    }
}

db::Field* DataSetModel::fieldOf(int column) const {
    if (!dataSet_ || !dataSet_->isOpen() || column < 0 || column >= columns_.size()) {
        return nullptr;
    }
    return dataSet_->findField(columns_.at(column).fieldName);
}

void DataSetModel::setCellStyler(CellStyler styler) {
    styler_ = std::move(styler);
    refresh();
}

CellStyle DataSetModel::cellStyle(int row, int column, bool selected) const {
    return styler_ ? styler_(row, column, selected) : CellStyle{};
}

void DataSetModel::clickTitle(int column) {
    if (column < 0 || column >= columns_.size() || !columns_.at(column).titleButton) {
        return;
    }
    const SortMarker next =
        columns_.at(column).marker == SortMarker::Down ? SortMarker::Up : SortMarker::Down;
    for (int other = 0; other < columns_.size(); ++other) {
        columns_[other].marker = other == column ? next : SortMarker::None;
    }
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit titleButtonClicked(column, next);
}

void DataSetModel::setSortMarker(int column, SortMarker marker) {
    columns_[column].marker = marker;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int DataSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int DataSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

bool DataSetModel::isCurrentEdited(int row) const {
    return dataSet_->isEditing() && row == dataSet_->recNo() - 1;
}

// The stored value of a row; for a lookup field the key it looks up.
QVariant DataSetModel::valueAt(int row, const db::Field& field) const {
    const db::Field& source =
        field.kind() == db::FieldKind::Lookup ? dataSet_->fieldByName(field.def().keyField) : field;
    return isCurrentEdited(row) ? source.value() : dataSet_->valueAt(row, source.index());
}

QString DataSetModel::textAt(int row, const db::Field& field) const {
    return isCurrentEdited(row) ? field.text() : dataSet_->textAt(row, field.index());
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const {
    db::Field* field = index.isValid() && index.row() < rows_ ? fieldOf(index.column()) : nullptr;
    if (!field) {
        return {};
    }
    const bool boolean = field->type() == db::FieldType::Boolean;
    switch (role) {
        case Qt::DisplayRole:
            return boolean ? QVariant() : QVariant(textAt(index.row(), *field));
        case Qt::EditRole:
            return valueAt(index.row(), *field);
        case Qt::CheckStateRole:
            if (!boolean) {
                return {};
            }
            return valueAt(index.row(), *field).toBool() ? Qt::Checked : Qt::Unchecked;
        case Qt::TextAlignmentRole: {
            const Qt::Alignment own = columns_.at(index.column()).alignment;
            if (own) {
                return QVariant::fromValue(own | Qt::AlignVCenter);
            }
            const Qt::Alignment side = isNumber(field->type()) ? Qt::AlignRight : Qt::AlignLeft;
            return QVariant::fromValue(side | Qt::AlignVCenter);
        }
        case Qt::BackgroundRole:
        case Qt::ForegroundRole: {
            const CellStyle style = cellStyle(index.row(), index.column(), false);
            const QColor& colour = role == Qt::BackgroundRole ? style.background : style.foreground;
            return colour.isValid() ? QVariant(colour) : QVariant();
        }
        case Qt::FontRole: {
            if (!cellStyle(index.row(), index.column(), false).bold) {
                return {};
            }
            QFont font;
            font.setBold(true);
            return font;
        }
        default:
            return {};
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size()) {
        return {};
    }
    const GridColumn& column = columns_.at(section);
    QString own = column.ownTitle();
    if (column.title.isEmpty()) {
        const db::Field* field = fieldOf(section);
        own = field ? field->displayLabel() : column.fieldName;
    }
    const QString group = column.groupTitle();
    switch (role) {
        case Qt::DisplayRole:
            return group.isEmpty() ? own : group + QLatin1Char('\n') + own;
        case GroupTitleRole:
            return group;
        case OwnTitleRole:
            return own;
        case SortMarkerRole:
            return int(column.marker);
        default:
            return {};
    }
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const db::Field* field = fieldOf(index.column());
    if (readOnly_ || !field || field->isReadOnly() || columns_.at(index.column()).readOnly) {
        return flags;
    }
    return flags |
           (field->type() == db::FieldType::Boolean ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool DataSetModel::assign(int row, db::Field& field, const QVariant& value) {
    if (dataSet_->recNo() != row + 1) {
        dataSet_->setRecNo(row + 1);  // posts the edit of the record left
    }
    if (!dataSet_->isEditing() && !dataSet_->edit()) {
        return false;  // refused by the data set's rules
    }
    db::Field& target =
        field.kind() == db::FieldKind::Lookup ? dataSet_->fieldByName(field.def().keyField) : field;
    target.setValue(value);
    return true;
}

bool DataSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    db::Field* field = index.isValid() ? fieldOf(index.column()) : nullptr;
    if (!field || !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable))) {
        return false;
    }
    QVariant stored = value;
    if (role == Qt::CheckStateRole) {
        stored = value.toInt() == Qt::Checked;
    } else if (role != Qt::EditRole) {
        return false;
    }
    try {
        if (!assign(index.row(), *field, stored)) {
            return false;
        }
    } catch (const db::DbError& error) {
        reportError(error);
        return false;
    }
    refreshRow(index.row());
    return true;
}

}  // namespace zur::ui
