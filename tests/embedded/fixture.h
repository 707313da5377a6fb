#pragma once
// An empty embedded ZUR database in a temporary folder, with the schema and the procedures.

#include "platform/db/connection.h"

#include <QTemporaryDir>

namespace zur::embedded::test {

class EmbeddedDb {
  public:
    // Creates the schema and runs `script` (native SQL) on it.
    explicit EmbeddedDb(const QString& script = {});

    db::Connection& connection() { return connection_; }
    // Runs native SQL (fixture rows).
    void run(const QString& script) { connection_.runNativeScript(script); }
    // The first column of the first row of a T-SQL statement.
    QVariant scalar(const QString& sql);
    QString path() const { return dir_.filePath(QStringLiteral("zur.db")); }

  private:
    QTemporaryDir dir_;
    db::Connection connection_;
};

// The MD5 digest of a password as the program sends it.
QString hashOf(const QString& password);

}  // namespace zur::embedded::test
