#pragma once
// The title row of a data grid: two-level titles share a band across neighbouring columns of
// the same group, and each title shows its column's sort marker.

#include <QHeaderView>

namespace zur::ui {

class GridHeader : public QHeaderView {
    Q_OBJECT
  public:
    explicit GridHeader(QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

  private:
    QString groupOf(int logicalIndex) const;
    bool hasGroups() const;
    // The rectangle of the run of neighbouring sections that share this section's group.
    QRect groupSpan(const QRect& rect, int section) const;
};

}  // namespace zur::ui
