#include "embedded/login_procedure.h"

#include "embedded/credentials_file.h"
#include "embedded/procedure_support.h"
#include "embedded/procedures.h"
#include "platform/db/sql_values.h"
#include "platform/text/cp1251.h"

#include <QDateTime>
#include <QRegularExpression>

namespace zur::embedded {

namespace {

const QString kWrongLogin = QStringLiteral("Неверный логин или пароль.");
const QString kLocked = QStringLiteral("Пользователь заблокирован. Обратитесь к администратору.");
const QString kSamePassword = QStringLiteral("Новый пароль должен отличаться от старого.");
const QString kBadNewPassword = QStringLiteral("Новый пароль не принят.");

struct UserRow {
    qlonglong id = 0;
    QString login;
    QString password;
    QDateTime passwordDate;
    bool mustChange = false;
    int failedLogins = 0;
    bool locked = false;
    QString dbUser;
    QString dbPassword;
};

bool findUser(db::ProcedureContext& context, const QString& login, UserRow& user) {
    const db::ResultSet found = context.run(
        QStringLiteral("SELECT id_ZUR_user, ZUR_login, password, password_date, must_change, "
                       "failed_logins, locked, db_user, db_password FROM ZUR_User "
                       "WHERE ZUR_login = :login AND visible = 1 ORDER BY id_ZUR_user LIMIT 1"),
        {{QStringLiteral("login"), login}});
    if (found.rows.isEmpty()) {
        return false;
    }
    const QVector<QVariant>& row = found.rows.first();
    user = {row[0].toLongLong(), row[1].toString(), row[2].toString(),
            row[3].toDateTime(), row[4].toBool(),   row[5].toInt(),
            row[6].toBool(),     row[7].toString(), row[8].toString()};
    return true;
}

void updateUser(db::ProcedureContext& context, const QString& assignments, qlonglong id,
                db::Params params = {}) {
    params.append({QStringLiteral("id"), id});
    context.run(QStringLiteral("UPDATE ZUR_User SET %1 WHERE id_ZUR_user = :id").arg(assignments),
                params);
}

QString now() {
    return db::storedDateTimeText(QDateTime::currentDateTime());
}

int passwordState(db::ProcedureContext& context, const UserRow& user) {
    if (user.mustChange || !user.passwordDate.isValid()) {
        return -1;
    }
    const int lifetime = setting(context, kSettingPasswordLifetime, kDefaultPasswordLifetimeDays);
    const qint64 age = user.passwordDate.date().daysTo(QDate::currentDate());
    return int(qMax<qint64>(-1, lifetime - age));
}

QString shiftedText(const QString& text) {
    return text::fromCp1251(shiftedDown(text));
}

// Checks the password and, when asked, sets the new one; returns the message for the user.
QString authenticate(db::ProcedureContext& context, UserRow& user, const QString& hash,
                     const QVariant& newHash) {
    if (user.locked) {
        return kLocked;
    }
    if (user.password.compare(hash, Qt::CaseInsensitive) != 0) {
        user.failedLogins += 1;
        user.locked = user.failedLogins >= kFailedLoginsToLock;
        updateUser(context, QStringLiteral("failed_logins = :failed, locked = :locked"), user.id,
                   {{QStringLiteral("failed"), user.failedLogins},
                    {QStringLiteral("locked"), int(user.locked)}});
        return user.locked ? kLocked : kWrongLogin;
    }
    updateUser(context, QStringLiteral("failed_logins = 0"), user.id);
    if (newHash.isNull()) {
        return {};
    }
    static const QRegularExpression md5Hex(QStringLiteral("^[0-9A-Fa-f]{32}$"));
    const QString next = newHash.toString().trimmed().toUpper();
    if (!md5Hex.match(next).hasMatch()) {
        return kBadNewPassword;
    }
    if (next == user.password.toUpper()) {
        return kSamePassword;
    }
    const QString stamp = now();
    updateUser(context,
               QStringLiteral("password = :password, password_date = :stamp, must_change = 0"),
               user.id, {{QStringLiteral("password"), next}, {QStringLiteral("stamp"), stamp}});
    user.password = next;
    user.passwordDate = db::parseStoredDateTime(stamp);
    user.mustChange = false;
    return {};
}

void recordAttempt(db::ProcedureContext& context, const db::ProcedureArgs& args,
                   const QString& login, qlonglong userId, const QString& message) {
    context.run(
        QStringLiteral("INSERT INTO ZUR_Login_Log (ondate, ZUR_login, id_ZUR_user, program, ip, "
                       "comp, result) VALUES (:ondate, :login, :user, :program, :ip, :comp, "
                       ":result)"),
        {{QStringLiteral("ondate"), now()},
         {QStringLiteral("login"), login},
         {QStringLiteral("user"), userId == 0 ? QVariant() : QVariant(userId)},
         {QStringLiteral("program"), args.get(3, QStringLiteral("program"))},
         {QStringLiteral("ip"), args.get(4, QStringLiteral("ip"))},
         {QStringLiteral("comp"), args.get(5, QStringLiteral("comp"))},
         {QStringLiteral("result"), message.isEmpty() ? QStringLiteral("вход") : message}});
}

}  // namespace

db::ResultSet getUser(db::ProcedureContext& context, const db::ProcedureArgs& args) {
    const QString login = args.get(0, QStringLiteral("login")).toString();
    const QString hash = args.get(1, QStringLiteral("password")).toString();
    const QVariant newHash = args.get(2, QStringLiteral("new_password"));
    const int minimalVersion = setting(context, kSettingMinimalVersion, 0);

    Savepoint savepoint(context);
    UserRow user;
    const QString message =
        findUser(context, login, user) ? authenticate(context, user, hash, newHash) : kWrongLogin;
    recordAttempt(context, args, login, user.id, message);
    savepoint.release();

    const QStringList columns = {QStringLiteral("db_user"),     QStringLiteral("db_password"),
                                 QStringLiteral("id_ZUR_user"), QStringLiteral("password_state"),
                                 QStringLiteral("message"),     QStringLiteral("min_version")};
    if (!message.isEmpty()) {
        return oneRow(columns, {QString(), QString(), user.id, 0, message, minimalVersion});
    }
    const QString dbUser = user.dbUser.isEmpty() ? user.login : user.dbUser;
    const QString dbPassword = user.dbPassword.isEmpty() ? QStringLiteral("zur") : user.dbPassword;
    return oneRow(columns, {shiftedText(dbUser), shiftedText(dbPassword), user.id,
                            passwordState(context, user), QString(), minimalVersion});
}

}  // namespace zur::embedded
