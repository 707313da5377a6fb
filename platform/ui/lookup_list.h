#pragma once
// The rows a lookup control chooses from: the shown text and the key of every record of a list
// data set, in the data set's order (filter and sort applied), re-read whenever its rows change.

#include "platform/db/dataset/dataset.h"

#include <QAbstractListModel>
#include <QHash>
#include <QPointer>

namespace zur::ui {

class LookupList : public QAbstractListModel {
    Q_OBJECT
  public:
    enum Role { KeyRole = Qt::UserRole + 1 };

    explicit LookupList(QObject* parent = nullptr);

    void setListSource(db::DataSource* source);
    db::DataSource* listSource() const { return source_; }
    db::DataSet* listDataSet() const { return dataSet_; }
    void setListField(const QString& name);
    const QString& listField() const { return listField_; }
    void setKeyField(const QString& name);
    const QString& keyField() const { return keyField_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    QString textAt(int row) const;
    QVariant keyAt(int row) const;
    // The row whose key equals `key` (numbers of any type meet); -1 when none or null.
    int rowOfKey(const QVariant& key) const;
    // The first row from `from` on (wrapping round) whose text begins with `prefix`, letter
    // case ignored (Cyrillic too); -1 when none does.
    int findPrefix(const QString& prefix, int from = 0) const;
    // Makes `row` the current record of the list data set.
    void moveListTo(int row);

  signals:
    void reloaded();

  private:
    void connectDataSet();
    void reload();
    // The key index is built at the first use after each re-read, so that opening a long list
    // stays cheap.
    void buildKeyIndex() const;
    QString searchTextAt(int row) const;

    QPointer<db::DataSource> source_;
    QPointer<db::DataSet> dataSet_;
    QString listField_;
    QString keyField_;
    int rows_ = 0;
    int textIndex_ = -1;
    int keyIndex_ = -1;
    bool plainText_ = false;  // the list field holds text
    mutable bool indexed_ = false;
    mutable QHash<QString, int> rowsByKey_;
    QList<QMetaObject::Connection> connections_;
};

}  // namespace zur::ui
