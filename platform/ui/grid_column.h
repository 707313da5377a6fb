#pragma once
// One column of a data grid: the field it shows and how.

#include <QString>
#include <Qt>

namespace zur::ui {

// The sort marker of a title: none, descending (down), ascending (up).
enum class SortMarker { None = 0, Down = 1, Up = 2 };

struct GridColumn {
    QString fieldName;
    // "Корректировка|№ приказа": a group title above the column's own; empty: the field's label.
    QString title;
    Qt::Alignment alignment = {};  // empty: numbers to the right, the rest to the left
    bool readOnly = false;
    bool titleButton = false;  // a click on the title flips the sort marker and is reported
    SortMarker marker = SortMarker::None;

    static GridColumn of(const QString& fieldName, const QString& title = {}) {
        GridColumn column;
        column.fieldName = fieldName;
        column.title = title;
        return column;
    }
    GridColumn& align(Qt::Alignment value) {
        alignment = value;
        return *this;
    }
    GridColumn& readOnlyColumn(bool on = true) {
        readOnly = on;
        return *this;
    }
    GridColumn& button(bool on = true) {
        titleButton = on;
        return *this;
    }
    // The upper (group) and lower parts of the title.
    QString groupTitle() const { return title.section(QLatin1Char('|'), 0, -2); }
    QString ownTitle() const { return title.section(QLatin1Char('|'), -1); }
};

}  // namespace zur::ui
