#pragma once
// The item model of a data grid: rows are the records of a data set (filter and sort applied),
// columns are bound to its fields. Edits go through the data set: the record is made current,
// put into edit state and the field assigned; moving to another record posts it.

#include "platform/db/dataset/dataset.h"
#include "platform/ui/grid_column.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPointer>
#include <functional>

namespace zur::ui {

// How one cell is drawn; invalid colours leave the grid's own.
struct CellStyle {
    QColor background;
    QColor foreground;
    bool bold = false;
};

class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Role {
        GroupTitleRole = Qt::UserRole + 1,  // header: the upper title ("" when none)
        OwnTitleRole,                       // header: the column's own title
        SortMarkerRole,                     // header: int of SortMarker
    };
    // Decides the style of a cell (row, column, whether it is selected).
    using CellStyler = std::function<CellStyle(int row, int column, bool selected)>;

    explicit DataSetModel(QObject* parent = nullptr);

    void setDataSource(db::DataSource* source);
    db::DataSet* dataSet() const { return dataSet_; }

    void setColumns(const QList<GridColumn>& columns);
    int addColumn(const GridColumn& column);
    const GridColumn& column(int index) const { return columns_.at(index); }
    // Binds a column to another field (a missing field shows an empty column).
    void setColumnField(int index, const QString& fieldName);
    // The field of a column; null while the data set is closed or lacks it.
    db::Field* fieldOf(int column) const;

    void setReadOnly(bool on) { readOnly_ = on; }
    bool isReadOnly() const { return readOnly_; }

    void setCellStyler(CellStyler styler);
    CellStyle cellStyle(int row, int column, bool selected) const;

    // A click on a column title: a title button flips its marker (none or up: down; down: up),
    // clears the others and reports the click.
    void clickTitle(int column);
    void setSortMarker(int column, SortMarker marker);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Assigns through the data set; a refused value shows the error box and returns false.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    void titleButtonClicked(int column, zur::ui::SortMarker marker);

  private:
    void connectDataSet();
    void refresh();
    void refreshRow(int row);
    QVariant valueAt(int row, const db::Field& field) const;
    QString textAt(int row, const db::Field& field) const;
    bool isCurrentEdited(int row) const;
    bool assign(int row, db::Field& field, const QVariant& value);

    QPointer<db::DataSet> dataSet_;
    QList<GridColumn> columns_;
    bool readOnly_ = false;
    CellStyler styler_;
    int rows_ = 0;
    QList<QMetaObject::Connection> connections_;
};

}  // namespace zur::ui
