#include "platform/ui/grid_header.h"

#include "platform/ui/dataset_model.h"

#include <QPainter>

namespace zur::ui {

GridHeader::GridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
}

QString GridHeader::groupOf(int logicalIndex) const {
    return model() ? model()
                         ->headerData(logicalIndex, orientation(), DataSetModel::GroupTitleRole)
                         .toString()
                   : QString();
}

bool GridHeader::hasGroups() const {
    for (int section = 0; section < count(); ++section) {
        if (!groupOf(section).isEmpty()) {
            return true;
        }
    }
    return false;
}

QSize GridHeader::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    if (hasGroups()) {
        size.setHeight(2 * fontMetrics().height() + 8);
    }
    return size;
}

QRect GridHeader::groupSpan(const QRect& rect, int section) const {
    const QString group = groupOf(section);
    int left = rect.left();
    int right = rect.right();
    const int visual = visualIndex(section);
    for (int v = visual - 1; v >= 0 && groupOf(logicalIndex(v)) == group; --v) {
        if (!isSectionHidden(logicalIndex(v))) {
            left -= sectionSize(logicalIndex(v));
        }
    }
    for (int v = visual + 1; v < count() && groupOf(logicalIndex(v)) == group; ++v) {
        if (!isSectionHidden(logicalIndex(v))) {
            right += sectionSize(logicalIndex(v));
        }
    }
    return QRect(QPoint(left, rect.top()), QPoint(right, rect.top() + rect.height() / 2 - 1));
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.section = logicalIndex;
    option.textAlignment = Qt::AlignCenter;
    const auto marker = SortMarker(
        model()->headerData(logicalIndex, orientation(), DataSetModel::SortMarkerRole).toInt());
    const QString own =
        model()->headerData(logicalIndex, orientation(), DataSetModel::OwnTitleRole).toString();
    const QString group = groupOf(logicalIndex);

    QRect ownRect = rect;
    painter->save();
    painter->setClipRect(rect);
    if (!group.isEmpty()) {
        QStyleOptionHeader band = option;
        band.rect = groupSpan(rect, logicalIndex);
        band.text = group;
        style()->drawControl(QStyle::CE_Header, &band, painter, this);
        ownRect.setTop(band.rect.bottom() + 1);
    }
    option.rect = ownRect;
    option.text = own.isEmpty() ? model()->headerData(logicalIndex, orientation()).toString() : own;
    option.sortIndicator = marker == SortMarker::Down ? QStyleOptionHeader::SortDown
                           : marker == SortMarker::Up ? QStyleOptionHeader::SortUp
                                                      : QStyleOptionHeader::None;
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
    painter->restore();
}

}  // namespace zur::ui
