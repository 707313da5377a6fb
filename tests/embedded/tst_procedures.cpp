// The procedures of the embedded database: login, order numbering, enrolment, faculties.

#include "platform/text/cp1251.h"
#include "tests/embedded/fixture.h"

#include <QDateTime>
#include <QtTest>

using namespace zur;
using embedded::test::EmbeddedDb;
using embedded::test::hashOf;

namespace {

QString daysAgo(int days) {
    return QDateTime::currentDateTime().addDays(-days).toString(u"yyyy-MM-dd hh:mm:ss");
}

// Desk 1 serves faculties 1 and 2, desk 2 faculty 3. Users 1 and 2 work at desk 1, user 3 at
// desk 2, user 4 is hidden.
QString organisation() {
    return QStringLiteral(
               "INSERT INTO faculty VALUES (1, 'Экономический', 'Экономический факультет', 1, 0),"
               " (2, 'Юридический', 'Юридический факультет', 1, 1), (3, 'ИТ', 'Факультет ИТ', 1, "
               "0);"
               "INSERT INTO KasFak VALUES (1, 2), (1, 1), (2, 3);"
               "INSERT INTO VuzDefaults (id_vuz_defaults, id_field) VALUES (50, 8), (51, 90);"
               "INSERT INTO ZUR_User (id_ZUR_user, ZUR_login, id_kassa, visible, password, "
               "password_date) VALUES (1, 'kassir', 1, 1, '%1', '%3'), "
               "(2, 'starshiy', 1, 1, '%2', '%3'), (3, 'ivanova', 2, 1, '%1', '%3'), "
               "(4, 'old', 1, 0, '%1', '%3');")
        .arg(hashOf(QStringLiteral("kassir1")), hashOf(QStringLiteral("starshiy1")), daysAgo(0));
}

QString getUserCall(const QString& login, const QString& password,
                    const QString& newPassword = {}) {
    const QString third =
        newPassword.isEmpty() ? QStringLiteral("NULL") : u'\'' + hashOf(newPassword) + u'\'';
    return QStringLiteral(
               "EXEC GET_USER '%1','%2',%3, 'ZUR 10', '10.0.0.7', 'KASSA-2', "
               "'%1','0','%4'")
        .arg(login, hashOf(password), third, QString::number(third.size()));
}

QString unshift(const QString& text) {
    QByteArray bytes = text::toCp1251(text);
    for (char& byte : bytes) {
        byte = char(quint8(byte) + 1);
    }
    return text::fromCp1251(bytes);
}

}  // namespace

class TestProcedures : public QObject {
    Q_OBJECT

  private slots:
    void getUser_data();
    void getUser();
    void newPasswordReplacesTheOldOne();
    void fifthWrongPasswordLocksTheUser();
    void everyAttemptIsRecorded();

    void orderNumbers_data();
    void orderNumbers();
    void recentNumbers_data();
    void recentNumbers();
    void badDateIsRefused();

    void autoRecepted_data();
    void autoRecepted();

    void facultiesOfTheUsersCashDesk();
};

void TestProcedures::getUser_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<int>("userId");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("message");

    const QString wrong = QStringLiteral("Неверный логин или пароль.");
    const QString locked =
        QStringLiteral("Пользователь заблокирован. Обратитесь к администратору.");
    QTest::newRow("fresh password") << ""
                                    << "kassir"
                                    << "kassir1"
                                    << "" << 1 << 90 << "";
    QTest::newRow("login in other letter case") << ""
                                                << "KASSIR"
                                                << "kassir1"
                                                << "" << 1 << 90 << "";
    QTest::newRow("wrong password") << ""
                                    << "kassir"
                                    << "kassir2"
                                    << "" << 1 << 0 << wrong;
    QTest::newRow("password of another user") << ""
                                              << "kassir"
                                              << "starshiy1"
                                              << "" << 1 << 0 << wrong;
    QTest::newRow("unknown login") << ""
                                   << "nobody"
                                   << "kassir1"
                                   << "" << 0 << 0 << wrong;
    QTest::newRow("hidden user") << ""
                                 << "old"
                                 << "kassir1"
                                 << "" << 0 << 0 << wrong;
    QTest::newRow("locked user, right password")
        << "UPDATE ZUR_User SET locked = 1 WHERE id_ZUR_user = 1"
        << "kassir"
        << "kassir1"
        << "" << 1 << 0 << locked;
    QTest::newRow("must change") << "UPDATE ZUR_User SET must_change = 1 WHERE id_ZUR_user = 1"
                                 << "kassir"
                                 << "kassir1"
                                 << "" << 1 << -1 << "";
    QTest::newRow("no password date")
        << "UPDATE ZUR_User SET password_date = NULL WHERE id_ZUR_user = 1"
        << "kassir"
        << "kassir1"
        << "" << 1 << -1 << "";
    QTest::newRow("password 75 days old")
        << QStringLiteral("UPDATE ZUR_User SET password_date = '%1' WHERE id_ZUR_user = 1")
               .arg(daysAgo(75))
        << "kassir"
        << "kassir1"
        << "" << 1 << 15 << "";
    QTest::newRow("password past its lifetime")
        << QStringLiteral("UPDATE ZUR_User SET password_date = '%1' WHERE id_ZUR_user = 1")
               .arg(daysAgo(200))
        << "kassir"
        << "kassir1"
        << "" << 1 << -1 << "";
    QTest::newRow("shorter lifetime setting")
        << "UPDATE VuzDefaults SET id_field = 30 WHERE id_vuz_defaults = 51"
        << "kassir"
        << "kassir1"
        << "" << 1 << 30 << "";
    QTest::newRow("new password after a forced change")
        << "UPDATE ZUR_User SET must_change = 1 WHERE id_ZUR_user = 1"
        << "kassir"
        << "kassir1"
        << "novyi_parol" << 1 << 90 << "";
    QTest::newRow("new password equal to the old one")
        << ""
        << "kassir"
        << "kassir1"
        << "kassir1" << 1 << 0 << "Новый пароль должен отличаться от старого.";
    QTest::newRow("new password with a wrong old one") << ""
                                                       << "kassir"
                                                       << "kassir9"
                                                       << "novyi_parol" << 1 << 0 << wrong;
}

void TestProcedures::getUser() {
    QFETCH(QString, setup);
    QFETCH(QString, login);
    QFETCH(QString, password);
    QFETCH(QString, newPassword);
    EmbeddedDb db(organisation());
    if (!setup.isEmpty()) {
        db.run(setup);
    }
    const db::ResultSet result = db.connection().query(getUserCall(login, password, newPassword));
    QCOMPARE(result.columns.size(), 6);
    QCOMPARE(result.rows.size(), 1);
    const QVector<QVariant>& row = result.rows.first();
    QTEST(row[2].toInt(), "userId");
    QTEST(row[4].toString(), "message");
    QCOMPARE(row[5].toInt(), 8);
    if (row[4].toString().isEmpty()) {
        QTEST(row[3].toInt(), "state");
        QCOMPARE(unshift(row[0].toString()), QStringLiteral("kassir"));
        QVERIFY(!row[1].toString().isEmpty());
    } else {
        QVERIFY(row[0].toString().isEmpty());
    }
}

void TestProcedures::newPasswordReplacesTheOldOne() {
    EmbeddedDb db(organisation());
    db.connection().query(getUserCall(QStringLiteral("kassir"), QStringLiteral("kassir1"),
                                      QStringLiteral("novyi_parol")));
    const auto messageFor = [&](const QString& password) {
        return db.connection().query(getUserCall(QStringLiteral("kassir"), password)).rows[0][4];
    };
    QCOMPARE(messageFor(QStringLiteral("novyi_parol")).toString(), QString());
    QVERIFY(!messageFor(QStringLiteral("kassir1")).toString().isEmpty());
}

void TestProcedures::fifthWrongPasswordLocksTheUser() {
    EmbeddedDb db(organisation());
    for (int attempt = 1; attempt <= 4; ++attempt) {
        db.connection().query(getUserCall(QStringLiteral("kassir"), QStringLiteral("wrong")));
    }
    // Four failures, then the right password: accepted, and the count starts again.
    QCOMPARE(db.connection()
                 .query(getUserCall(QStringLiteral("kassir"), QStringLiteral("kassir1")))
                 .rows[0][4]
                 .toString(),
             QString());
    for (int attempt = 1; attempt <= 5; ++attempt) {
        db.connection().query(getUserCall(QStringLiteral("kassir"), QStringLiteral("wrong")));
    }
    QCOMPARE(db.scalar(QStringLiteral("SELECT locked FROM ZUR_User WHERE id_ZUR_user = 1")).toInt(),
             1);
    QVERIFY(db.connection()
                .query(getUserCall(QStringLiteral("kassir"), QStringLiteral("kassir1")))
                .rows[0][4]
                .toString()
                .contains(QStringLiteral("заблокирован")));
}

void TestProcedures::everyAttemptIsRecorded() {
    EmbeddedDb db(organisation());
    db.connection().query(getUserCall(QStringLiteral("kassir"), QStringLiteral("kassir1")));
    db.connection().query(getUserCall(QStringLiteral("nobody"), QStringLiteral("x")));
    const db::ResultSet log = db.connection().query(QStringLiteral(
        "SELECT ZUR_login, id_ZUR_user, program, ip, comp, result FROM ZUR_Login_Log "
        "ORDER BY id_login_log"));
    QCOMPARE(log.rows.size(), 2);
    QCOMPARE(log.rows[0], (QVector<QVariant>{QStringLiteral("kassir"), 1LL,
                                             QStringLiteral("ZUR 10"), QStringLiteral("10.0.0.7"),
                                             QStringLiteral("KASSA-2"), QStringLiteral("вход")}));
    QVERIFY(log.rows[1][1].isNull());
    QCOMPARE(log.rows[1][5].toString(), QStringLiteral("Неверный логин или пароль."));
}

namespace {

// Desk 1: income numbers up to 12 in 2025 and 3 in 2026, expenses up to 7 in 2026; desk 2:
// income 40 in 2026. Additional numbers on a few rows.
QString numbered() {
    return organisation() +
           "INSERT INTO Payment (id_kassa, p103, p104, p104_1) VALUES "
           "(1, '2025-03-01 10:00:00', 11, NULL), (1, '2025-12-31 23:59:00', 12, 'Т-5'),"
           "(1, '2026-01-02 09:00:00', 1, 'Т-7'), (1, '2026-01-03 09:00:00', 2, ''),"
           "(1, '2026-01-05 09:00:00', 3, 'Т-8'), (1, '2026-01-04 09:00:00', 9, 'Т-9'),"
           "(2, '2026-02-01 09:00:00', 40, 'Б-1');"
           "INSERT INTO Expense (id_kassa, p103, p104) VALUES "
           "(1, '2026-01-10 12:00:00', 7), (1, '2025-05-10 12:00:00', 30);";
}

QStringList column(const db::ResultSet& result) {
    QStringList values;
    for (const QVector<QVariant>& row : result.rows) {
        values.append(row[0].toString());
    }
    return values;
}

}  // namespace

void TestProcedures::orderNumbers_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<QVariant>("highest");
    QTest::newRow("income 2025") << "EXEC GetNum '15.06.2025', 1, 1, 1" << QVariant(12LL);
    QTest::newRow("income 2026") << "EXEC GetNum '01.02.2026', 1, 1, 2" << QVariant(9LL);
    QTest::newRow("same desk, other cashier")
        << "EXEC GetNum '01.02.2026', 2, 1, 5" << QVariant(9LL);
    QTest::newRow("expense 2026") << "EXEC GetNum '01.02.2026', 1, 0, 1" << QVariant(7LL);
    QTest::newRow("expense 2025") << "EXEC GetNum '01.02.2025', 1, 0, 1" << QVariant(30LL);
    QTest::newRow("other desk") << "EXEC GetNum '01.02.2026', 3, 1, 1" << QVariant(40LL);
    QTest::newRow("year without orders") << "EXEC GetNum '01.02.2024', 1, 1, 1" << QVariant();
    QTest::newRow("user without a desk") << "EXEC GetNum '01.02.2026', 99, 1, 1" << QVariant();
    QTest::newRow("ISO date") << "EXEC GetNum '2025-06-15 10:00:00', 1, 1, 1" << QVariant(12LL);
}

void TestProcedures::orderNumbers() {
    QFETCH(QString, call);
    QFETCH(QVariant, highest);
    EmbeddedDb db(numbered());
    const db::ResultSet result = db.connection().query(call);
    QCOMPARE(result.rows.size(), 1);
    QCOMPARE(result.rows[0][0], highest);
}

void TestProcedures::recentNumbers_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("numbers 2026") << "EXEC GetThreeNums '01.02.2026', 1, 1, 1"
                                  << QStringList{"2", "3", "9"};
    QTest::newRow("additional 2026, latest last")
        << "EXEC GetThreeNums '01.02.2026', 2, 1, 0" << QStringList{"Т-7", "Т-8", "Т-9"};
    QTest::newRow("numbers 2025") << "EXEC GetThreeNums '01.02.2025', 1, 1, 1"
                                  << QStringList{"11", "12"};
    QTest::newRow("additional 2025")
        << "EXEC GetThreeNums '01.02.2025', 1, 1, 0" << QStringList{"Т-5"};
    QTest::newRow("expense numbers")
        << "EXEC GetThreeNums '01.02.2026', 1, 0, 1" << QStringList{"7"};
    QTest::newRow("expense additional")
        << "EXEC GetThreeNums '01.02.2026', 1, 0, 0" << QStringList{};
}

void TestProcedures::recentNumbers() {
    QFETCH(QString, call);
    EmbeddedDb db(numbered());
    const db::ResultSet result = db.connection().query(call);
    QCOMPARE(result.columns.value(0).name, QStringLiteral("p104"));
    QTEST(column(result), "numbers");
}

void TestProcedures::badDateIsRefused() {
    EmbeddedDb db(numbered());
    QVERIFY_THROWS_EXCEPTION(
        db::DbError, db.connection().query(QStringLiteral("EXEC GetNum '31.13.2026', 1, 1, 1")));
    QVERIFY_THROWS_EXCEPTION(
        db::DbError, db.connection().query(QStringLiteral("EXEC GetNum '01.02.2026', 1, , 1")));
}

namespace {

// Speciality 4 offers groups "ЮР-2" (id 8) and "ЮР-1" (id 9) for the first course of year 7;
// applicant 1 has paid, 2 has not, 3 took the documents back, 4 is already a student, 5 applied
// for speciality 5 which has no group.
QString applicants() {
    return organisation() +
           "INSERT INTO Groups_payment (id_group, id_rate, id_a_year, id_speciality, p20, price) "
           "VALUES (8, 1, 7, 4, 'ЮР-2', 30000), (9, 1, 7, 4, 'ЮР-1', 30000),"
           " (9, 2, 8, 4, 'ЮР-1', 32000);"
           "INSERT INTO Abiturient (id_student, p1, p2, p3, idid, BirthDate, NumberPas, isStudent)"
           " VALUES (1, 'Алиев', 'Тимур', 'Русланович', 'А-1', '2008-04-11 00:00:00', '5001', 0),"
           " (2, 'Бекова', 'Айпери', NULL, 'А-2', NULL, NULL, 0),"
           " (3, 'Ким', 'Вика', NULL, 'А-3', NULL, NULL, 0),"
           " (4, 'Орлов', 'Эмир', NULL, 'А-4', NULL, NULL, 1),"
           " (5, 'Усенов', 'Улан', NULL, 'А-5', NULL, NULL, 0);"
           "INSERT INTO ReceptInfo (IDStudent, Faculties, Speciality, pay, Takebackdocs) VALUES "
           "(1, 2, 4, 1, 0), (2, 2, 4, 0, 0), (3, 2, 4, 1, 1), (4, 2, 4, 1, 0), (5, 3, 5, 1, 0);";
}

}  // namespace

void TestProcedures::autoRecepted_data() {
    QTest::addColumn<int>("applicant");
    QTest::addColumn<int>("speciality");
    QTest::addColumn<bool>("enrolled");
    QTest::newRow("paid") << 1 << 4 << true;
    QTest::newRow("not paid") << 2 << 4 << false;
    QTest::newRow("took the documents back") << 3 << 4 << false;
    QTest::newRow("already a student") << 4 << 4 << false;
    QTest::newRow("no group offered") << 5 << 5 << false;
}

void TestProcedures::autoRecepted() {
    QFETCH(int, applicant);
    QFETCH(int, speciality);
    QFETCH(bool, enrolled);
    EmbeddedDb db(applicants());
    const QVariant wasStudent = db.scalar(
        QStringLiteral("SELECT isStudent FROM Abiturient WHERE id_student = %1").arg(applicant));
    db.connection().execute(QStringLiteral("EXEC  DoAutoRecepted  @id_abiturient = %1,"
                                           "@id_speciality = %2,@id_rate = 1,@id_a_year = 7")
                                .arg(applicant)
                                .arg(speciality));
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Student")).toInt(), enrolled ? 1 : 0);
    QCOMPARE(db.scalar(QStringLiteral("SELECT isStudent FROM Abiturient WHERE id_student = %1")
                           .arg(applicant)),
             enrolled ? QVariant(1LL) : wasStudent);
    if (!enrolled) {
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM movement_t")).toInt(), 0);
        return;
    }
    const db::ResultSet student = db.connection().query(QStringLiteral(
        "SELECT s.p1, s.p2, s.idid, s.NumberPas, m.id_group, m.id_rate, m.id_bk, a.id_new_student "
        "FROM Student s JOIN movement_t m ON m.id_student = s.id_student "
        "JOIN Abiturient a ON a.id_new_student = s.id_student"));
    QCOMPARE(student.rows.size(), 1);
    QCOMPARE(student.rows[0].mid(0, 7),
             (QVector<QVariant>{QStringLiteral("Алиев"), QStringLiteral("Тимур"),
                                QStringLiteral("А-1"), QStringLiteral("5001"), 9LL, 1LL, 2LL}));
    // A second call enrols nobody twice.
    db.connection().execute(
        QStringLiteral("EXEC DoAutoRecepted @id_abiturient = 1, "
                       "@id_speciality = 4, @id_rate = 1, @id_a_year = 7"));
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Student")).toInt(), 1);
}

void TestProcedures::facultiesOfTheUsersCashDesk() {
    EmbeddedDb db(organisation());
    const db::ResultSet desk1 =
        db.connection().query(QStringLiteral("EXEC GetFacultyFromKassaForUser 2"));
    QCOMPARE(column(desk1), (QStringList{"1", "2"}));  // by name: Экономический, Юридический
    QCOMPARE(desk1.value(1, QStringLiteral("p23-1")).toString(), QStringLiteral("Юридический"));
    QCOMPARE(desk1.value(1, QStringLiteral("p23-2")).toString(),
             QStringLiteral("Юридический факультет"));
    QCOMPARE(desk1.value(1, QStringLiteral("RS_opl")).toInt(), 1);
    QCOMPARE(db.connection().query(QStringLiteral("EXEC GetFacultyFromKassaForUser 3")).rows.size(),
             1);
    QCOMPARE(
        db.connection().query(QStringLiteral("EXEC GetFacultyFromKassaForUser 99")).rows.size(), 0);
}

QTEST_GUILESS_MAIN(TestProcedures)
#include "tst_procedures.moc"
