#pragma once

#include <QString>
#include <QVector>

namespace zur::db {

// The `key=value;key=value` connection string of the program, keys compared without regard to
// letter case. Values may be braced (`{a;b}`) as ODBC allows.
class ConnectionString {
  public:
    explicit ConnectionString(const QString& text);

    QString value(const QString& key) const;  // empty when absent
    bool has(const QString& key) const;

    // Data Source of the form `sqlite:<path>` selects the embedded database.
    bool isEmbedded() const;
    // The embedded database's file: relative paths are taken from the program's folder.
    QString embeddedPath() const;

    // The ODBC connection string for SQL Server (or, with another driver, what it expects).
    QString odbcString(const QString& driver) const;

  private:
    QVector<QPair<QString, QString>> items_;
};

// `value` as an ODBC attribute value: braced when it holds ';', '{', '}' or surrounding blanks.
QString odbcValue(const QString& value);

}  // namespace zur::db
