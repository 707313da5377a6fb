#pragma once
// The tie between one bound control and one field of a data set reached through a data
// source: tells the control when to show the field again and writes the control's value back.

#include "platform/db/dataset/dataset.h"

#include <QObject>
#include <QPointer>

namespace zur::ui {

class DataLink : public QObject {
    Q_OBJECT
  public:
    explicit DataLink(QObject* parent = nullptr);

    // Binds to the data set the source holds now; a source given a new data set later needs
    // setDataSource again.
    void setDataSource(db::DataSource* source);
    db::DataSource* dataSource() const { return source_; }
    void setFieldName(const QString& name);
    const QString& fieldName() const { return fieldName_; }

    db::DataSet* dataSet() const;
    // The bound field; null while the data set is closed or has no field of that name.
    db::Field* field() const;
    // The field's value of the current record (null when there is none).
    QVariant value() const;
    QString text() const;
    bool isReadOnly() const;

    // Puts the data set into edit state unless it is editing; false when that was refused
    // or there is no record to edit.
    bool edit();
    // edit() and assigns; false when refused. Throws db::DbError (a value the field cannot take).
    bool write(const QVariant& value);
    // write(), showing a refused value in the error box; false when it was not stored.
    bool writeOrReport(const QVariant& value);

    // Typing into a control. startTyping() puts the data set into edit state at the first
    // keystroke; false when that was refused (the control shows the field again).
    // commitTyped() assigns the text typed since (empty text as null); false when refused.
    // keepsTyping(): a re-show must keep the typed text (the record is still being edited).
    bool startTyping();
    bool commitTyped(const QString& text);
    bool isTyping() const { return typing_; }
    bool keepsTyping();

  signals:
    // The value to show may have changed (another record, a re-read, an assignment).
    void changed();

  private:
    void connectDataSet();

    QPointer<db::DataSource> source_;
    QPointer<db::DataSet> dataSet_;
    QString fieldName_;
    QList<QMetaObject::Connection> connections_;
    bool typing_ = false;  // text typed and not yet assigned
};

// Shows a database error in the program's error box.
void reportError(const db::DbError& error);

}  // namespace zur::ui
