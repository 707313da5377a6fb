#include "embedded/schema.h"

#include "platform/db/connection.h"

#include <QFile>

namespace zur::embedded {

QString sqlScript(const char* name) {
    QFile file(QStringLiteral(":/embedded/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) {
        throw db::DbError(QStringLiteral("Нет сценария %1").arg(QLatin1String(name)));
    }
    return QString::fromUtf8(file.readAll());
}

void createSchema(db::Connection& connection) {
    connection.runNativeScript(sqlScript("schema.sql"));
    connection.runNativeScript(sqlScript("views.sql"));
}

}  // namespace zur::embedded
