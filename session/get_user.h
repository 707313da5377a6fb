#pragma once
// The login procedure of the database: its statement and the first row of its answer.

#include "platform/db/result_set.h"

#include <QString>

namespace zur::session {

// "NULL" as the new password means no change.
inline const QString kNoNewPassword = QStringLiteral("NULL");

struct GetUserCall {
    QString login;
    QString password;
    QString newPassword;  // kNoNewPassword or the new password in clear
    QString ipAddress;
    QString computerName;
};

// The EXEC statement with its nine arguments, texts written as SQL string literals.
QString get_user_statement(const GetUserCall& call);

// The first row of the answer, read by position.
struct GetUserAnswer {
    QString workingUser;      // 0, still shifted
    QString workingPassword;  // 1, still shifted
    int userId = 0;           // 2
    int passwordState = 0;    // 3
    QString message;          // 4
    int minimalVersion = 0;   // 5
};

// Reads the first row; throws DbError when the answer has no row or fewer than six columns.
GetUserAnswer read_get_user_answer(const db::ResultSet& result);

// The program's connection string for the given credentials.
QString connection_string(const QString& user, const QString& password, const QString& database,
                          const QString& server);

}  // namespace zur::session
