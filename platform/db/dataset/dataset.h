#pragma once
// A data set over the program's connection: a statement (a list of lines) with named
// parameters, read at once into memory (a static cursor), with fields in their defined order,
// client-side filter and sort, a current record, browse/edit/insert states and the before/after
// events of each operation. Posting writes the changed fields to the base table by key.
//
// Event handlers abort an operation silently by throwing `Abort`; the operation then returns
// false and the data set stays as it was before the operation began.

#include "platform/db/dataset/field.h"
#include "platform/db/result_set.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace zur::db {

class Connection;

// Thrown by an event handler to abandon the operation without a message.
struct Abort {};

enum class DataSetState { Inactive, Browse, Edit, Insert };

// What an edit-error or post-error handler decides: let the error through, drop it silently,
// or try the operation again.
enum class ErrorAction { Fail, Abort, Retry };

enum class LocateOption { CaseInsensitive = 0x1, PartialKey = 0x2 };
Q_DECLARE_FLAGS(LocateOptions, LocateOption)

class DataSet : public QObject {
    Q_OBJECT
  public:
    using Event = std::function<void(DataSet&)>;
    using ErrorEvent = std::function<void(DataSet&, const DbError&, ErrorAction&)>;

    explicit DataSet(Connection* connection = nullptr, QObject* parent = nullptr);
    ~DataSet() override;

    void setConnection(Connection* connection) { connection_ = connection; }
    Connection* connection() const { return connection_; }

    // Statement. Setting it closes the data set; parameter values of the same name are kept.
    void setSql(const QStringList& lines);
    void setSql(const QString& text) { setSql(QStringList{text}); }
    const QStringList& sql() const { return sql_; }
    QString sqlText() const { return sql_.join(QLatin1Char('\n')); }
    // A table data set: "SELECT * FROM <table>", posted back to that table.
    void setTableName(const QString& table);

    // Where posts go. Unset: the one table of a single-table FROM; the key is the
    // auto-increment field. A key name that is no field of the data set is taken from the
    // parameter of that name.
    void setUpdateTable(const QString& table, const QStringList& keyFields = {});
    QString updateTable() const;
    QStringList keyFields() const;

    // Parameters named in the statement as `:name` or `:@name` (names without ':' and '@',
    // letter case ignored). An unset parameter is NULL.
    QStringList paramNames() const;
    void setParam(const QString& name, const QVariant& value);
    QVariant param(const QString& name) const;

    // Fields. Persistent fields are defined before opening; without any, the fields are made
    // from the result's columns at each open.
    Field& addField(const FieldDef& def);
    void clearFields();
    int fieldCount() const { return int(fields_.size()); }
    Field& field(int index) const { return *fields_.at(std::size_t(index)); }
    Field* findField(const QString& name) const;    // letter case ignored
    Field& fieldByName(const QString& name) const;  // throws DbError when absent
    // Current value of a field by name (shorthand for fieldByName(name).value()).
    QVariant value(const QString& name) const { return fieldByName(name).value(); }

    // Opening and closing. open() throws DbError (the statement's error).
    void open();
    void close();
    void requery();  // runs the statement again, at the first record
    // A general-purpose query given another statement: closed, its fields dropped (they come
    // from the new result), the statement set and opened.
    void reopen(const QStringList& lines);
    void reopen(const QString& sql) { reopen(QStringList{sql}); }
    bool isOpen() const { return state_ != DataSetState::Inactive; }
    DataSetState state() const { return state_; }
    bool isEditing() const;  // Edit or Insert
    bool isModified() const { return modified_; }

    // Navigation over the filtered and sorted records. Moving posts a pending edit first
    // (or cancels it when nothing was changed).
    void first();
    void last();
    void next();
    void prior();
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    bool isEmpty() const { return recordCount() == 0; }
    int recordCount() const { return int(view_.size()); }
    int recNo() const { return current_ + 1; }  // 1-based; 0 when there is no record
    void setRecNo(int recNo);
    // Moves to the first record whose fields equal the values; false (no move) when none does.
    bool locate(const QString& fieldName, const QVariant& value, LocateOptions options = {});
    bool locate(const QStringList& fieldNames, const QVariantList& values,
                LocateOptions options = {});
    // `resultField` of the first record (filter applied) whose `keyField` equals `key`,
    // without moving; null when none does.
    QVariant lookup(const QString& keyField, const QVariant& key, const QString& resultField);

    // Editing. Each returns false when a handler aborted; database errors throw DbError
    // after the error handlers let them through; the record then stays in its edit state.
    bool edit();
    bool insert();  // a new record before the current one
    bool append();  // a new record at the end
    bool post();
    bool cancel();
    bool deleteRecord();
    // Posts a pending edit (or cancels it when nothing changed); true when in browse state after.
    bool checkBrowseMode();

    // Filter: `field = value` terms joined by AND (also <>, <, >, <=, >=; values are numbers,
    // 'quoted text', True/False or NULL). Throws DbError for a text it cannot read.
    void setFilter(const QString& text);
    const QString& filter() const { return filter_; }
    void setFiltered(bool on);
    bool isFiltered() const { return filtered_; }

    // Sort: "name [ASC|DESC], ..." over any fields, lookup and calculated ones included.
    // Empty: the statement's order.
    void setSort(const QString& text);
    const QString& sort() const { return sort_; }

    // Records by position (0-based, filtered and sorted order) without moving: for grids.
    QVariant valueAt(int row, int fieldIndex) const;
    QString textAt(int row, int fieldIndex) const;

    // Event slots; each may be empty and may be replaced at any time.
    Event beforeOpen, afterOpen, beforeClose, afterClose;
    Event beforeInsert, afterInsert, beforeEdit, afterEdit, beforePost, afterPost;
    Event beforeCancel, afterCancel, beforeDelete, afterDelete, beforeScroll, afterScroll;
    Event onNewRecord;
    Event onCalcFields;  // sets the calculated fields of the record being calculated
    ErrorEvent onEditError, onPostError, onDeleteError;

  signals:
    void opened();
    void closed();
    void stateChanged();
    void scrolled();              // the current record changed
    void rowsChanged();           // records added, removed, reordered or re-read: views refresh all
    void recordChanged(int row);  // values of one record (0-based position) changed
    void fieldChanged(zur::db::Field* field);  // a value of the current record was assigned

  private:
    friend class Field;
    struct Row;
    struct Impl;

    // Field access for the current record (the edit buffer while editing).
    QVariant currentValue(int fieldIndex) const;
    QVariant oldValueOf(int fieldIndex) const;
    void assign(int fieldIndex, const QVariant& value);

    Row* currentRow() const;
    QVariant valueOf(Row& row, int fieldIndex) const;
    void ensureCalculated(Row& row) const;
    int sourceRow(int row) const;

    void makeFields(const ResultSet& result);
    void loadRows(ResultSet& result);
    Params boundParams() const;
    void rebuildView();
    void refreshView();
    void rowsReset();
    void setState(DataSetState state);
    void fire(const Event& event);
    void moveTo(int position);
    bool insertAt(bool atEnd);
    void leaveEditing(DataSetState next);
    bool runChecked(const ErrorEvent& handler, const std::function<void()>& operation);

    // Statements that store the record (dataset_write.cpp).
    QString resolvedTable() const;
    QStringList resolvedKeys() const;
    bool isStored(const Field& field) const;
    void writeInsert();
    void writeUpdate();
    void writeDelete();

    Connection* connection_ = nullptr;
    QStringList sql_;
    QHash<QString, QVariant> params_;  // by lower-case name
    QString updateTable_;
    QStringList keyFields_;
    std::vector<std::unique_ptr<Field>> fields_;
    bool persistentFields_ = false;
    DataSetState state_ = DataSetState::Inactive;
    bool modified_ = false;
    std::vector<int> view_;  // indexes of the shown records, filter and sort applied
    int current_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    QString filter_;
    bool filtered_ = false;
    QString sort_;
    std::unique_ptr<Impl> d_;
};

// What bound controls reach a data set through.
class DataSource : public QObject {
    Q_OBJECT
  public:
    explicit DataSource(DataSet* dataSet = nullptr, QObject* parent = nullptr)
        : QObject(parent), dataSet_(dataSet) {}
    DataSet* dataSet() const { return dataSet_; }
    void setDataSet(DataSet* dataSet) { dataSet_ = dataSet; }

  private:
    DataSet* dataSet_;
};

}  // namespace zur::db

Q_DECLARE_OPERATORS_FOR_FLAGS(zur::db::LocateOptions)
