#include "embedded/demo.h"

#include "embedded/procedures.h"
#include "embedded/schema.h"
#include "platform/db/connection.h"
#include "platform/db/sql_values.h"
#include "platform/text/md5_hex.h"

#include <QDateTime>
#include <QFileInfo>
#include <cmath>

namespace zur::embedded {

namespace {

constexpr int kStudentsPerGroup = 25;
constexpr int kGroupSlots = 6 * 5;  // specialities with groups times intakes

// The calendar year in which the current academic year began (September).
int currentAcademicYear() {
    const QDate today = QDate::currentDate();
    return today.month() >= 9 ? today.year() : today.year() - 1;
}

QString usersScript() {
    const QString stamp = db::storedDateTimeText(QDateTime::currentDateTime());
    return QStringLiteral(
               "INSERT INTO ZUR_User (id_ZUR_user, ZUR_login, id_kassa, canTerminal, visible, "
               "password, password_date) VALUES "
               "(1, 'kassir', 1, 0, 1, '%1', '%3'), (2, 'starshiy', 1, 1, 1, '%2', '%3');"
               "INSERT INTO user_faculty VALUES (1, 1), (1, 2), (1, 3), (2, 1), (2, 2), (2, 3);")
        .arg(text::md5_hex(u"kassir1"), text::md5_hex(u"starshiy1"), stamp);
}

QString scaleScript(int students, int payments) {
    const int groups =
        qMax(1, int(std::ceil(double(students) / (kGroupSlots * kStudentsPerGroup))));
    return sqlScript("demo_scale.sql")
        .replace(QStringLiteral("{CUR}"), QString::number(currentAcademicYear()))
        .replace(QStringLiteral("{N}"), QString::number(students))
        .replace(QStringLiteral("{M}"), QString::number(payments))
        .replace(QStringLiteral("{G}"), QString::number(groups));
}

}  // namespace

void createDemo(const QString& path, int students, int payments) {
    if (QFileInfo::exists(path)) {
        throw db::DbError(QStringLiteral("Файл уже существует: %1").arg(path));
    }
    registerProcedures();
    db::Connection connection;
    connection.setConnectionString(
        QStringLiteral("Data Source=sqlite:%1;Create=1").arg(QFileInfo(path).absoluteFilePath()));
    connection.open();
    connection.runNativeScript(
        QStringLiteral("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; "
                       "PRAGMA cache_size = -262144; PRAGMA temp_store = MEMORY;"));
    {
        db::Transaction transaction(connection);
        createSchema(connection);
        connection.runNativeScript(sqlScript("demo.sql"));
        connection.runNativeScript(usersScript());
        connection.runNativeScript(scaleScript(qMax(students, 10), qMax(payments, 50)));
        // Applicant 10 has paid: the university enrols the applicant as it would after the desk.
        connection.execute(
            QStringLiteral("EXEC DoAutoRecepted @id_abiturient = 10, "
                           "@id_speciality = 4, @id_rate = 1, @id_a_year = 7"));
        transaction.commit();
    }
    connection.runNativeScript(
        QStringLiteral("ANALYZE; PRAGMA journal_mode = DELETE; PRAGMA synchronous = FULL;"));
    connection.close();
}

}  // namespace zur::embedded
