#pragma once
// The data grid: a table over a data set whose current row is the data set's current record.
// Cells edit the record in place; leaving the record or Enter posts it, Esc cancels it, Insert
// (or Down on the last row) adds one. Titles may be two-level and carry sort markers.

#include "platform/ui/dataset_model.h"

#include <QTableView>
#include <functional>

namespace zur::ui {

class GridDelegate;

class DBGridEh : public QTableView {
    Q_OBJECT
  public:
    explicit DBGridEh(QWidget* parent = nullptr);

    void setDataSource(db::DataSource* source);
    DataSetModel& gridModel() { return model_; }
    void setColumns(const QList<GridColumn>& columns) { model_.setColumns(columns); }
    void setCellStyler(DataSetModel::CellStyler styler) { model_.setCellStyler(std::move(styler)); }

    void setReadOnly(bool on);
    bool isReadOnly() const { return model_.isReadOnly(); }
    // Whether the grid itself may add records (Insert, Down on the last row).
    void setAllowInsert(bool on) { allowInsert_ = on; }
    // Columns share the grid's width.
    void setFitColumns(bool on);

    // Called first on every key pressed in the grid; returning true consumes the key.
    std::function<bool(QKeyEvent&)> onKeyDown;

  signals:
    void titleButtonClicked(int column, zur::ui::SortMarker marker);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    bool handleDataSetKey(QKeyEvent& event);
    void followDataSet();
    // Runs a data set operation, showing a database error; false when it failed.
    bool run(const std::function<void(db::DataSet&)>& operation);

    DataSetModel model_;
    GridDelegate* delegate_;
    QMetaObject::Connection scrolled_;
    bool allowInsert_ = true;
    bool following_ = false;
};

}  // namespace zur::ui
