#include "tests/embedded/fixture.h"

#include "embedded/procedures.h"
#include "embedded/schema.h"
#include "platform/text/md5_hex.h"

namespace zur::embedded::test {

EmbeddedDb::EmbeddedDb(const QString& script) {
    registerProcedures();
    connection_.setConnectionString(QStringLiteral("Data Source=sqlite:%1;Create=1").arg(path()));
    connection_.open();
    db::Transaction transaction(connection_);
    createSchema(connection_);
    if (!script.isEmpty()) {
        run(script);
    }
    transaction.commit();
}

QVariant EmbeddedDb::scalar(const QString& sql) {
    const db::ResultSet result = connection_.query(sql);
    return result.rows.isEmpty() ? QVariant() : result.rows.first().value(0);
}

QString hashOf(const QString& password) {
    return text::md5_hex(password);
}

}  // namespace zur::embedded::test
