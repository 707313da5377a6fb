// Moving over the records: navigation, locate, lookup, filter and sort.

#include "platform/db/dataset/dataset_impl.h"
#include "platform/db/dataset/field_values.h"

#include <algorithm>

namespace zur::db {

namespace {

bool matches(const QVariant& wanted, const QVariant& value, LocateOptions options) {
    if (wanted.isNull() || value.isNull()) {
        return wanted.isNull() && value.isNull();
    }
    if (options == LocateOptions{}) {
        return compareValues(wanted, value) == 0 &&
               (wanted.typeId() != QMetaType::QString || wanted.toString() == value.toString());
    }
    const Qt::CaseSensitivity sensitivity =
        options.testFlag(LocateOption::CaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const QString text = value.toString();
    return options.testFlag(LocateOption::PartialKey)
               ? text.startsWith(wanted.toString(), sensitivity)
               : text.compare(wanted.toString(), sensitivity) == 0;
}

}  // namespace

void DataSet::moveTo(int position) {
    if (!isOpen() || !checkBrowseMode()) {
        return;
    }
    try {
        fire(beforeScroll);
        const bool moved = position != current_;
        current_ = position;
        if (moved) {
            emit scrolled();
        }
        fire(afterScroll);
    } catch (const Abort&) {
    }
}

void DataSet::first() {
    moveTo(view_.empty() ? -1 : 0);
    bof_ = true;
    eof_ = view_.empty();
}

void DataSet::last() {
    moveTo(int(view_.size()) - 1);
    eof_ = true;
    bof_ = view_.empty();
}

void DataSet::next() {
    if (current_ + 1 < recordCount()) {
        moveTo(current_ + 1);
        bof_ = eof_ = false;
    } else {
        checkBrowseMode();
        eof_ = true;
    }
}

void DataSet::prior() {
    if (current_ > 0) {
        moveTo(current_ - 1);
        bof_ = eof_ = false;
    } else {
        checkBrowseMode();
        bof_ = true;
    }
}

void DataSet::setRecNo(int recNo) {
    if (recNo >= 1 && recNo <= recordCount()) {
        moveTo(recNo - 1);
        bof_ = eof_ = false;
    }
}

bool DataSet::locate(const QString& fieldName, const QVariant& value, LocateOptions options) {
    return locate(QStringList{fieldName}, QVariantList{value}, options);
}

bool DataSet::locate(const QStringList& fieldNames, const QVariantList& values,
                     LocateOptions options) {
    if (!isOpen() || !checkBrowseMode()) {
        return false;
    }
    QVector<int> indexes;
    QVariantList wanted;
    for (int i = 0; i < fieldNames.size(); ++i) {
        const Field& field = fieldByName(fieldNames[i]);
        indexes.append(field.index());
        try {
            wanted.append(options == LocateOptions{} ? field.convert(values.value(i))
                                                     : values.value(i));
        } catch (const FieldError&) {
            return false;  // no record can hold a value the field cannot take
        }
    }
    for (int row = 0; row < recordCount(); ++row) {
        bool all = true;
        for (int i = 0; i < indexes.size() && all; ++i) {
            all = matches(wanted[i], valueAt(row, indexes[i]), options);
        }
        if (all) {
            moveTo(row);
            bof_ = eof_ = false;
            return true;
        }
    }
    return false;
}

QVariant DataSet::lookup(const QString& keyField, const QVariant& key, const QString& resultField) {
    if (!isOpen() || key.isNull()) {
        return {};
    }
    const int keyIndex = fieldByName(keyField).index();
    const int resultIndex = fieldByName(resultField).index();
    QHash<QString, int>& index = d_->lookupIndex[keyField.toLower()];
    if (index.isEmpty()) {
        // Backwards, so that of equal keys the first record wins.
        for (auto it = view_.rbegin(); it != view_.rend(); ++it) {
            index.insert(valueKey(valueOf(d_->rows[std::size_t(*it)], keyIndex)), *it);
        }
    }
    const auto found = index.constFind(valueKey(key));
    return found == index.constEnd() ? QVariant()
                                     : valueOf(d_->rows[std::size_t(found.value())], resultIndex);
}

void DataSet::rebuildView() {
    QVector<QPair<int, FilterTerm>> terms;
    if (filtered_) {
        for (const FilterTerm& term : d_->filterTerms) {
            terms.append({fieldByName(term.field).index(), term});
        }
    }
    QVector<QPair<int, bool>> keys;
    for (const SortKey& key : d_->sortKeys) {
        keys.append({fieldByName(key.field).index(), key.descending});
    }
    view_.clear();
    view_.reserve(d_->rows.size());
    for (int row = 0; row < int(d_->rows.size()); ++row) {
        Row& record = d_->rows[std::size_t(row)];
        if (record.deleted) {
            continue;
        }
        const bool shown = std::all_of(terms.begin(), terms.end(), [&](const auto& term) {
            const QVariant value = valueOf(record, term.first);
            return passes(term.second, value, compareValues(value, term.second.value));
        });
        if (shown) {
            view_.push_back(row);
        }
    }
    if (keys.isEmpty()) {
        return;
    }
    std::vector<QVector<QVariant>> sortValues(d_->rows.size());
    for (int row : view_) {
        for (const auto& key : keys) {
            sortValues[std::size_t(row)].append(valueOf(d_->rows[std::size_t(row)], key.first));
        }
    }
    std::stable_sort(view_.begin(), view_.end(), [&](int a, int b) {
        for (int i = 0; i < keys.size(); ++i) {
            const int order =
                compareValues(sortValues[std::size_t(a)][i], sortValues[std::size_t(b)][i]);
            if (order != 0) {
                return keys[i].second ? order > 0 : order < 0;
            }
        }
        return false;
    });
}

// Re-applies filter and sort, staying on the same record when it is still shown.
void DataSet::refreshView() {
    if (!isOpen()) {
        return;
    }
    checkBrowseMode();
    const int kept = current_ >= 0 ? sourceRow(current_) : -1;
    rebuildView();
    const auto found = std::find(view_.begin(), view_.end(), kept);
    const int position =
        found != view_.end() ? int(found - view_.begin()) : (view_.empty() ? -1 : 0);
    const bool moved = position != current_ || found == view_.end();
    current_ = position;
    bof_ = current_ <= 0;
    eof_ = view_.empty();
    rowsReset();
    emit scrolled();
    if (moved) {
        try {
            fire(afterScroll);
        } catch (const Abort&) {
        }
    }
}

void DataSet::setFilter(const QString& text) {
    d_->filterTerms = parseFilter(text);
    filter_ = text;
    if (filtered_) {
        refreshView();
    }
}

void DataSet::setFiltered(bool on) {
    if (filtered_ != on) {
        filtered_ = on;
        refreshView();
    }
}

void DataSet::setSort(const QString& text) {
    d_->sortKeys = parseSort(text);
    sort_ = text;
    refreshView();
}

}  // namespace zur::db
