#pragma once
// A lookup combo box: shows one field of a list data set and holds the key field of the chosen
// row. Optionally bound to a field of another data set, whose value it shows and into which
// a pick writes the key. Setting the key from code never counts as a pick.

#include "platform/ui/data_link.h"
#include "platform/ui/lookup_list.h"

#include <QComboBox>
#include <QKeySequence>

namespace zur::ui {

class DBLookupComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit DBLookupComboBox(QWidget* parent = nullptr);

    void setListSource(db::DataSource* source) { list_.setListSource(source); }
    void setListField(const QString& name) { list_.setListField(name); }
    void setKeyField(const QString& name) { list_.setKeyField(name); }
    LookupList& list() { return list_; }

    void setDataSource(db::DataSource* source) { link_.setDataSource(source); }
    void setDataField(const QString& name) { link_.setFieldName(name); }
    DataLink& dataLink() { return link_; }

    QVariant keyValue() const { return key_; }
    // Shows the row of `key` and makes it the list's current record; no pick.
    void setKeyValue(const QVariant& key);
    // The key is neither null nor empty.
    bool hasValue() const;
    // Empties the key and the shown text (hides QComboBox::clear, which the list owns).
    void clear() { setKeyValue(QVariant()); }

    void setDropDownRows(int rows) { setMaxVisibleItems(rows); }
    int dropDownRows() const { return maxVisibleItems(); }
    void setDropDownWidth(int width);
    int dropDownWidth() const { return dropDownWidth_; }
    // A key that empties the choice as a pick would (none by default).
    void setNullValueKey(const QKeySequence& key) { nullValueKey_ = key; }

  signals:
    // The user chose a row (or emptied the choice with the null-value key).
    void picked();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A choice made by the user: stores it, writes it to the bound field, reports the pick.
    void pickRow(int row);
    // Called after every change of the key or of the list.
    virtual void shownTextMayHaveChanged() {}

  private:
    void applyKey(const QVariant& key);
    void showRow(const QVariant& key, int row);
    void followField();

    LookupList list_;
    DataLink link_;
    QVariant key_;
    int dropDownWidth_ = 0;
    QKeySequence nullValueKey_;
};

}  // namespace zur::ui
