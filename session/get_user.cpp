#include "session/get_user.h"

#include "platform/db/connection_string.h"
#include "platform/db/db_error.h"
#include "platform/db/sql_text.h"
#include "platform/text/md5_hex.h"

namespace zur::session {

QString get_user_statement(const GetUserCall& call) {
    const QString newPassword = call.newPassword == kNoNewPassword
                                    ? kNoNewPassword
                                    : u'\'' + text::md5_hex(call.newPassword) + u'\'';
    const QString login = db::sqlString(call.login);
    return QStringLiteral("EXEC GET_USER %1,'%2',%3, 'ZUR 10', %4, %5, %1,'0','%6'")
        .arg(login, text::md5_hex(call.password), newPassword, db::sqlString(call.ipAddress),
             db::sqlString(call.computerName), QString::number(newPassword.size()));
}

GetUserAnswer read_get_user_answer(const db::ResultSet& result) {
    if (result.rows.isEmpty() || result.columns.size() < 6) {
        throw db::DbError(QStringLiteral("Процедура GET_USER не вернула данных пользователя."));
    }
    const QVector<QVariant>& row = result.rows.first();
    return {row[0].toString(), row[1].toString(), row[2].toInt(),
            row[3].toInt(),    row[4].toString(), row[5].toInt()};
}

QString connection_string(const QString& user, const QString& password, const QString& database,
                          const QString& server) {
    // Values are braced only when they hold a separator, so that such a password still parses.
    return QStringLiteral("Provider=SQLOLEDB.1;Password=") + db::odbcValue(password) +
           QStringLiteral(";Persist Security Info=True;User ID=") + db::odbcValue(user) +
           QStringLiteral(";Initial Catalog=") + db::odbcValue(database) +
           QStringLiteral(";Data Source=") + db::odbcValue(server) +
           QStringLiteral(";Use Procedure for Prepare=1;Auto Translate=True;") +
           QStringLiteral("Packet Size=4096;Use Encryption for Data=False;") +
           QStringLiteral("Tag with column collation when possible=False");
}

}  // namespace zur::session
