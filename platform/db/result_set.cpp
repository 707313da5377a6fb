#include "platform/db/result_set.h"

#include "platform/db/db_error.h"

namespace zur::db {

int ResultSet::columnIndex(const QString& name) const {
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

const QVariant& ResultSet::value(int row, const QString& column) const {
    const int index = columnIndex(column);
    if (index < 0) {
        throw DbError(QStringLiteral("Нет столбца \"%1\" в результате запроса").arg(column));
    }
    return rows.at(row).at(index);
}

static QStringView bareName(QStringView name) {
    while (name.startsWith(u':') || name.startsWith(u'@')) {
        name = name.mid(1);
    }
    return name;
}

const QVariant* findParam(const Params& params, QStringView name) {
    name = bareName(name);
    for (const Param& p : params) {
        if (bareName(p.name).compare(name, Qt::CaseInsensitive) == 0) {
            return &p.value;
        }
    }
    return nullptr;
}

}  // namespace zur::db
