// The demo database: both cashiers log in, every view answers, every statement the program
// sends runs on it.

#include "embedded/demo.h"
#include "embedded/procedures.h"
#include "platform/db/connection.h"
#include "platform/text/md5_hex.h"
#include "tests/platform/db/tsql/corpus.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zur;

class TestDemo : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cashiers_data();
    void cashiers();
    void views_data();
    void views();
    void existingFileIsKept();
    void corpusRuns();

  private:
    db::ResultSet query(const QString& sql) { return connection_.query(sql); }

    QTemporaryDir dir_;
    db::Connection connection_;
};

void TestDemo::initTestCase() {
    embedded::registerProcedures();
    const QString path = dir_.filePath(QStringLiteral("zur.db"));
    embedded::createDemo(path);
    connection_.setConnectionString(QStringLiteral("Data Source=sqlite:") + path);
    connection_.open();
}

void TestDemo::cashiers_data() {
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("canTerminal");
    QTest::newRow("kassir") << "kassir"
                            << "kassir1" << 0;
    QTest::newRow("starshiy") << "starshiy"
                              << "starshiy1" << 1;
}

void TestDemo::cashiers() {
    QFETCH(QString, login);
    QFETCH(QString, password);
    const db::ResultSet answer =
        query(QStringLiteral("EXEC GET_USER '%1','%2',NULL, 'ZUR 10', '127.0.0.1', 'TEST', "
                             "'%1','0','4'")
                  .arg(login, text::md5_hex(password)));
    QCOMPARE(answer.rows[0][4].toString(), QString());
    QVERIFY(answer.rows[0][3].toInt() >= 20);
    QVERIFY(answer.rows[0][5].toInt() <= 8);
    const db::ResultSet user = query(
        QStringLiteral(" SELECT  ZUR_login, canTerminal, id_kassa  FROM  dbo.ZUR_User  WHERE     "
                       "(ZUR_login = N'%1') AND (visible = 1) ")
            .arg(login));
    QTEST(user.rows[0][1].toInt(), "canTerminal");
    QCOMPARE(user.rows[0][2].toInt(), 1);
    QVERIFY(
        query(QStringLiteral("EXEC GetFacultyFromKassaForUser %1").arg(answer.rows[0][2].toInt()))
            .rows.size() >= 2);
}

void TestDemo::views_data() {
    QTest::addColumn<QString>("view");
    for (const char* view :
         {"Payment1V", "Payment2V", "Payment3V", "V_PaymentTransferVirtual", "Lookup_S_FIO_Payment",
          "Lookup_S_FIO_Abit", "Lookup_S_FIO_Slushatel", "s_fio", "t_fio", "ab_fio",
          "Abiturient_Info", "specialityRR", "Groups_payment"}) {
        QTest::newRow(view) << view;
    }
}

void TestDemo::views() {
    QFETCH(QString, view);
    QVERIFY(!query(QStringLiteral("SELECT * FROM [ZUR].[dbo].[%1]").arg(view)).rows.isEmpty());
}

void TestDemo::existingFileIsKept() {
    const QString path = dir_.filePath(QStringLiteral("zur.db"));
    const qint64 size = QFileInfo(path).size();
    QVERIFY_THROWS_EXCEPTION(db::DbError, embedded::createDemo(path));
    QCOMPARE(QFileInfo(path).size(), size);
}

// Every statement shape of the program runs; each inside a transaction that is rolled back, so
// one statement's changes do not feed the next.
void TestDemo::corpusRuns() {
    QString error;
    const QVector<tsql::test::CorpusEntry> corpus =
        tsql::test::loadCorpus(tsql::test::corpusPath(), &error);
    QVERIFY2(!corpus.isEmpty(), qPrintable(error));
    QStringList failures;
    for (const tsql::test::CorpusEntry& entry : corpus) {
        if (entry.expect == tsql::test::CorpusEntry::Expect::Error) {
            continue;
        }
        db::Params params;
        for (const QString& name : tsql::positionalize(entry.tsql).names) {
            params.append({name, 1});
        }
        db::Transaction transaction(connection_);
        try {
            connection_.query(entry.tsql, params);
        } catch (const db::DbError& failure) {
            failures.append(entry.name + QStringLiteral(": ") + failure.message());
        }
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestDemo)
#include "tst_demo.moc"
