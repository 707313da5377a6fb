// The connection on both backends: the embedded SQLite file, and the same file reached through
// unixODBC and the SQLite3 ODBC driver with the T-SQL dialect translated.

#include "platform/db/connection.h"
#include "platform/db/connection_string.h"
#include "platform/db/procedures.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace zur::db;

namespace {

const char* kSchema = R"(
CREATE TABLE person (id_person INTEGER PRIMARY KEY AUTOINCREMENT, p1 TEXT, amount FLOAT,
                     born DATETIME, note TEXT);
INSERT INTO person (p1, amount, born, note) VALUES ('Иванов', 1500.5, '2001-03-05 00:00:00', NULL);
INSERT INTO person (p1, amount, born, note) VALUES ('Петров', 20, NULL, 'примечание');
)";

QString connectionStringFor(const QString& backend, const QString& file) {
    if (backend == u"odbc") {
        return QStringLiteral(
                   "Provider=SQLOLEDB.1;Password=x;User ID=u;Initial Catalog=%1;"
                   "Data Source=local;dialect=sqlite")
            .arg(file);
    }
    return QStringLiteral(
               "Provider=SQLOLEDB.1;Password=x;User ID=u;Initial Catalog=ZUR;"
               "Data Source=sqlite:%1")
        .arg(file);
}

}  // namespace

class TestConnection : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString file_;
    Connection connection_;

    void openBackend() {
        QFETCH_GLOBAL(QString, backend);
        connection_.setConnectionString(connectionStringFor(backend, file_));
        connection_.open();
    }

  private Q_SLOTS:
    void initTestCase_data() {
        QTest::addColumn<QString>("backend");
        QTest::newRow("sqlite") << "sqlite";
        QTest::newRow("odbc") << "odbc";
    }

    void initTestCase() {
        qputenv("ZUR_ODBC_DRIVER", "SQLite3");
        registerProcedure(
            QStringLiteral("ECHO_ARGS"), [](ProcedureContext& context, const ProcedureArgs& args) {
                return context.run(QStringLiteral("SELECT :a AS first, :b AS second"),
                                   {{QStringLiteral("a"), args.get(0, QStringLiteral("first"))},
                                    {QStringLiteral("b"), args.get(1, QStringLiteral("second"))}});
            });
    }

    void init() {
        file_ = dir_.filePath(QStringLiteral("t.db"));
        QFile::remove(file_);
        Connection creator;
        creator.setConnectionString(connectionStringFor(QStringLiteral("sqlite"), file_) +
                                    QStringLiteral(";Create=1"));
        creator.open();
        creator.runNativeScript(QString::fromUtf8(kSchema));
        openBackend();
    }

    void cleanup() { connection_.close(); }

    void readsColumnsValuesAndNulls() {
        const ResultSet rs = connection_.query(
            QStringLiteral("SELECT TOP 2 p1, amount, born, note FROM dbo.person ORDER BY p1"));
        QCOMPARE(rs.columns.size(), 4);
        QCOMPARE(rs.columns[0].name, QStringLiteral("p1"));
        QCOMPARE(rs.rows.size(), 2);
        QCOMPARE(rs.value(0, QStringLiteral("P1")).toString(), QStringLiteral("Иванов"));
        QCOMPARE(rs.value(0, QStringLiteral("amount")).toDouble(), 1500.5);
        QCOMPARE(rs.value(0, QStringLiteral("born")).toDateTime(),
                 QDateTime(QDate(2001, 3, 5), QTime(0, 0)));
        QVERIFY(rs.value(0, QStringLiteral("note")).isNull());
        QVERIFY(rs.value(1, QStringLiteral("born")).isNull());
        QCOMPARE(rs.value(1, QStringLiteral("note")).toString(), QStringLiteral("примечание"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.value(0, QStringLiteral("missing")));
    }

    void bindsNamedParameters() {
        const ResultSet rs = connection_.query(
            QStringLiteral("SELECT p1 FROM person WHERE amount > :low AND p1 <> :@name"),
            {{QStringLiteral("low"), 10}, {QStringLiteral("@name"), QStringLiteral("Петров")}});
        QCOMPARE(rs.rows.size(), 1);
        QCOMPARE(rs.rows[0][0].toString(), QStringLiteral("Иванов"));
        QVERIFY_THROWS_EXCEPTION(
            DbError,
            connection_.query(QStringLiteral("SELECT p1 FROM person WHERE id_person = :id")));
    }

    void insertsAndReadsBackTheKey() {
        const qint64 affected = connection_.execute(
            QStringLiteral("INSERT INTO person (p1, amount, born) VALUES (:p1, :amount, :born)"),
            {{QStringLiteral("p1"), QStringLiteral("Сидорова")},
             {QStringLiteral("amount"), 12.25},
             {QStringLiteral("born"), QDateTime(QDate(1999, 12, 31), QTime(14, 40, 11))}});
        QCOMPARE(affected, 1);
        const qlonglong key = connection_.lastInsertId().toLongLong();
        QCOMPARE(key, 3);
        const ResultSet rs = connection_.query(
            QStringLiteral("SELECT born FROM person WHERE id_person = :id"), {{"id", key}});
        QCOMPARE(rs.rows[0][0].toDateTime(), QDateTime(QDate(1999, 12, 31), QTime(14, 40, 11)));
    }

    void reportsTheDatabaseText() {
        try {
            connection_.query(QStringLiteral("SELECT * FROM no_such_table"));
            QFAIL("no error");
        } catch (const DbError& error) {
            QVERIFY2(error.message().contains(QStringLiteral("no_such_table")),
                     qPrintable(error.message()));
        }
    }

    void transactionRollsBackUnlessCommitted() {
        const auto count = [this] {
            return connection_.query(QStringLiteral("SELECT COUNT(*) FROM person")).rows[0][0];
        };
        try {
            Transaction transaction(connection_);
            connection_.execute(QStringLiteral("INSERT INTO person (p1) VALUES ('А')"));
            connection_.query(QStringLiteral("SELECT * FROM no_such_table"));
            transaction.commit();
        } catch (const DbError&) {
        }
        QCOMPARE(count().toInt(), 2);
        {
            Transaction transaction(connection_);
            connection_.execute(QStringLiteral("INSERT INTO person (p1) VALUES ('Б')"));
            transaction.commit();
        }
        QCOMPARE(count().toInt(), 3);
    }

    void execCallsTheRegisteredProcedure() {
        const ResultSet positional = connection_.query(QStringLiteral("EXEC ECHO_ARGS 'один', 2"));
        QCOMPARE(positional.rows[0][0].toString(), QStringLiteral("один"));
        QCOMPARE(positional.rows[0][1].toInt(), 2);
        const ResultSet named =
            connection_.query(QStringLiteral("EXEC  ECHO_ARGS  @second = 5,@first = N'два'"));
        QCOMPARE(named.rows[0][0].toString(), QStringLiteral("два"));
        QCOMPARE(named.rows[0][1].toInt(), 5);
        QVERIFY_THROWS_EXCEPTION(DbError, connection_.query(QStringLiteral("EXEC NO_SUCH_PROC 1")));
    }

    void acceptsTheSessionDateFormat() {
        const ResultSet rs = connection_.query(QStringLiteral("SET DATEFORMAT dmy"));
        QVERIFY(!rs.hasColumns());
    }

    void closedConnectionRefusesStatements() {
        connection_.close();
        QVERIFY(!connection_.isOpen());
        QVERIFY_THROWS_EXCEPTION(DbError, connection_.query(QStringLiteral("SELECT 1")));
    }
};

// Options of the connection string, independent of any backend.
class TestConnectionString : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void parsesAndBuildsOdbc_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("driver");
        QTest::addColumn<QString>("odbc");
        const QString base = QStringLiteral(
            "Provider=SQLOLEDB.1;Password=%1;Persist Security Info=True;User ID=%2;"
            "Initial Catalog=ZUR;Data Source=srv\\sql;Use Procedure for Prepare=1;"
            "Auto Translate=True;Packet Size=4096;Use Encryption for Data=False;"
            "Tag with column collation when possible=False");
        QTest::newRow("plain") << base.arg("pw", "tech") << "ODBC Driver 18 for SQL Server"
                               << "Driver={ODBC Driver 18 for SQL Server};Server=srv\\sql;"
                                  "Database=ZUR;UID=tech;PWD=pw;Encrypt=no;";
        QTest::newRow("braced") << base.arg("{a;b}}}", "tech") << "FreeTDS"
                                << "Driver={FreeTDS};Server=srv\\sql;Database=ZUR;UID=tech;"
                                   "PWD={a;b}}};Encrypt=no;TDS_Version=7.3;ClientCharset=UTF-8;";
    }

    void parsesAndBuildsOdbc() {
        QFETCH(QString, text);
        QFETCH(QString, driver);
        QFETCH(QString, odbc);
        const ConnectionString options(text);
        QVERIFY(!options.isEmbedded());
        QCOMPARE(options.odbcString(driver), odbc);
    }

    void embeddedPathIsTakenFromTheProgramFolder() {
        const ConnectionString relative(QStringLiteral("User ID=u;data source=SQLITE:Data/zur.db"));
        QVERIFY(relative.isEmbedded());
        QCOMPARE(relative.embeddedPath(),
                 QDir(QCoreApplication::applicationDirPath()).filePath("Data/zur.db"));
        const ConnectionString absolute(QStringLiteral("Data Source=sqlite:/tmp/x.db"));
        QCOMPARE(absolute.embeddedPath(), QStringLiteral("/tmp/x.db"));
    }

    void missingEmbeddedFileIsAnError() {
        Connection connection;
        connection.setConnectionString(QStringLiteral("Data Source=sqlite:/nonexistent/zur.db"));
        QVERIFY_THROWS_EXCEPTION(DbError, connection.open());
        QVERIFY(!connection.isOpen());
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        TestConnectionString strings;
        status |= QTest::qExec(&strings, argc, argv);
    }
    {
        TestConnection connection;
        status |= QTest::qExec(&connection, argc, argv);
    }
    return status;
}

#include "tst_connection.moc"
