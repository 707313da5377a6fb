// The admin tool as a cashier's support person uses it: a demo database, statements, translations.

#include "platform/text/md5_hex.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode;
    QString out;
    QString err;
};

Run zurDb(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(ZUR_DB_PROGRAM), arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class TestZurDb : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString database_;

  private Q_SLOTS:
    void initTestCase() {
        database_ = dir_.filePath(QStringLiteral("demo.db"));
        QCOMPARE(zurDb({QStringLiteral("create-demo"), database_}).exitCode, 0);
    }

    void refusesToOverwrite() {
        const Run run = zurDb({QStringLiteral("create-demo"), database_});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!run.err.isEmpty());
    }

    void printsAResultSet() {
        const Run run = zurDb({QStringLiteral("exec"), database_,
                               QStringLiteral("SELECT TOP 1 N'Касса' AS name, NULL AS empty, "
                                              "1.5 AS amount, CONVERT(NVARCHAR(10), "
                                              "'05.03.2024', 104) AS day")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out,
                 QStringLiteral("name\tempty\tamount\tday\nКасса\tNULL\t1.5\t05.03.2024\n"));
    }

    void printsDateTimesOfDateColumns() {
        const Run run =
            zurDb({QStringLiteral("exec"), database_,
                   QStringLiteral("SELECT TOP 1 p103 FROM Payment ORDER BY id_payment")});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("p103"));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                     .match(lines.value(1))
                     .hasMatch(),
                 qPrintable(run.out));
    }

    void printsTheRowsAffected() {
        const Run run =
            zurDb({QStringLiteral("exec"), database_,
                   QStringLiteral("UPDATE v_opl SET visible = visible WHERE id_v_opl = 5")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("1\n"));
    }

    void answersTheLoginProcedure_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::newRow("kassir") << "kassir"
                                << "kassir1";
        QTest::newRow("starshiy") << "starshiy"
                                  << "starshiy1";
    }

    void answersTheLoginProcedure() {
        QFETCH(QString, login);
        QFETCH(QString, password);
        const QString statement =
            QStringLiteral(
                "EXEC GET_USER '%1','%2',NULL, 'ZUR 10', '127.0.0.1', 'PC', '%1','0','4'")
                .arg(login, zur::text::md5_hex(password));
        const Run run = zurDb({QStringLiteral("exec"), database_, statement});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QStringList row = lines[1].split(u'\t');
        QCOMPARE(row.size(), 6);
        QVERIFY2(row[2].toInt() > 0, qPrintable(run.out));  // the user's id
        QVERIFY2(row[4].isEmpty(), qPrintable(run.out));    // no message: the login is admitted
    }

    void failsWithTheDatabaseText() {
        const Run run =
            zurDb({QStringLiteral("exec"), database_, QStringLiteral("SELECT * FROM nowhere")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("nowhere")), qPrintable(run.err));
    }

    void translates() {
        const Run ok = zurDb({QStringLiteral("translate"),
                              QStringLiteral("SELECT TOP 1 id_kassa FROM [ZUR].dbo.ZUR_USER")});
        QCOMPARE(ok.exitCode, 0);
        QCOMPARE(ok.out.trimmed(), QStringLiteral("SELECT id_kassa FROM ZUR_USER LIMIT 1"));
        const Run refused =
            zurDb({QStringLiteral("translate"), QStringLiteral("SELECT TOP 5 PERCENT * FROM a")});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(!refused.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestZurDb)
#include "tst_zur_db.moc"
