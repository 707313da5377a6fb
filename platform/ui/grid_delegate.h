#pragma once
// Cell drawing and editing of a data grid: lookup columns edit through a drop-down of the
// look-up list and store its key; selected cells take the colours of the grid's cell styler.

#include <QStyledItemDelegate>

namespace zur::ui {

class DataSetModel;

class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    GridDelegate(DataSetModel& model, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    DataSetModel& model_;
};

}  // namespace zur::ui
