#pragma once
// The records of a data set and its edit buffer; shared by the data set's source files only.

#include "platform/db/dataset/dataset.h"
#include "platform/db/dataset/record_order.h"

#include <QSet>

namespace zur::db {

struct DataSet::Row {
    QVector<QVariant> values;  // by field index; calculated values filled on demand
    bool calculated = false;
    bool deleted = false;
};

struct DataSet::Impl {
    std::vector<Row> rows;
    Row buffer;                   // the record in edit or insert
    Row old;                      // its values when the edit began
    int editRow = -1;             // index in `rows` of that record
    Row* calcRow = nullptr;       // the record whose calculated fields are being filled
    std::vector<int> columnOf;    // per field: its column in the last result, -1 for none
    std::vector<bool> duplicate;  // automatic fields repeating an earlier column's name
    QHash<QString, QHash<QString, int>> lookupIndex;  // key field -> key -> row
    QVector<FilterTerm> filterTerms;
    QVector<SortKey> sortKeys;
    QSet<DataSet*> lookupSources;
};

}  // namespace zur::db
