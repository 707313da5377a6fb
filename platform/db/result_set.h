#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

namespace zur::db {

struct Column {
    QString name;
    QString declaredType;  // as the database declares it; empty for an expression
};

// The rows of one statement, read at once (a static cursor). Values are QVariant: null for NULL,
// qlonglong, double, QString, QDateTime for date columns, QByteArray for blobs.
struct ResultSet {
    QVector<Column> columns;
    QVector<QVector<QVariant>> rows;
    qint64 rowsAffected = -1;  // for statements without a result

    bool hasColumns() const { return !columns.isEmpty(); }
    int columnIndex(const QString& name) const;  // letter case ignored; -1 when absent
    // The value of `column` in `row`; throws DbError for an unknown column.
    const QVariant& value(int row, const QString& column) const;
};

// A named statement parameter; the name is given without ':' and without '@'.
struct Param {
    QString name;
    QVariant value;
};
using Params = QVector<Param>;

// The value of `name` in `params` (':' and '@' prefixes and letter case ignored), or nullptr.
const QVariant* findParam(const Params& params, QStringView name);

}  // namespace zur::db
