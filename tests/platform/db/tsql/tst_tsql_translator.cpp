// T-SQL to SQLite: the tokenizer, the translation of every statement of the corpus, and what the
// translated statements return on a small database with the registered functions.

#include <sqlite3.h>

#include <QDate>
#include <QRegularExpression>
#include <QtTest>

#include "platform/db/tsql/sqlite_functions.h"
#include "platform/db/tsql/tokenizer.h"
#include "platform/db/tsql/translator.h"
#include "tests/platform/db/tsql/corpus.h"

using namespace zur::tsql;
using zur::tsql::test::CorpusEntry;

namespace {

// A small schema with the tables whose rows the checks below read. Text columns compare as on
// the server: case-insensitively.
const char* const kSchema[] = {
    "CREATE TABLE Student (id_student INTEGER PRIMARY KEY, p1 TEXT COLLATE ZUR_CI,"
    " p2 TEXT COLLATE ZUR_CI, p3 TEXT COLLATE ZUR_CI, BirthDate TEXT, SerialPas TEXT,"
    " NumberPas TEXT, DateGivenPas TEXT, GivenPas INTEGER, Citizenship INTEGER)",
    "CREATE TABLE s_fio (id_student INTEGER PRIMARY KEY, s_fio TEXT COLLATE ZUR_CI,"
    " idid TEXT COLLATE ZUR_CI)",
    "CREATE TABLE Abiturient (id_student INTEGER PRIMARY KEY, p1 TEXT COLLATE ZUR_CI,"
    " p2 TEXT COLLATE ZUR_CI, p3 TEXT COLLATE ZUR_CI, idid TEXT COLLATE ZUR_CI,"
    " SerialPas TEXT, NumberPas TEXT, DateGivenPas TEXT, GivenPas INTEGER)",
    "CREATE TABLE MVD_Pasport (IDMVD INTEGER PRIMARY KEY, CodeMVD TEXT COLLATE ZUR_CI)",
    "CREATE TABLE Citizenship (IDCitizenship INTEGER PRIMARY KEY,"
    " Citizenship TEXT COLLATE ZUR_CI)",
    "CREATE TABLE movement_t (id_student INTEGER, id_group INTEGER, id_rate INTEGER,"
    " id_leave INTEGER, id_protocols INTEGER, percent_privilege INTEGER,"
    " privilege_coment TEXT COLLATE ZUR_CI, priv_var INTEGER, id_bk INTEGER, come_date TEXT,"
    " id_semester INTEGER)",
    "CREATE TABLE [group] (id_group INTEGER PRIMARY KEY, p20 TEXT COLLATE ZUR_CI,"
    " id_faculty INTEGER)",
    "CREATE TABLE rate (id_rate INTEGER PRIMARY KEY, p22 TEXT COLLATE ZUR_CI)",
    "CREATE TABLE faculty (id_faculty INTEGER PRIMARY KEY, [p23-1] TEXT COLLATE ZUR_CI,"
    " [p23-2] TEXT COLLATE ZUR_CI, id_vuz INTEGER, RS_opl INTEGER)",
    "CREATE TABLE g_r_y (id_group INTEGER, id_rate INTEGER, id_a_year INTEGER)",
    "CREATE TABLE a_year (id_a_year INTEGER PRIMARY KEY, p32 TEXT COLLATE ZUR_CI,"
    " u_god INTEGER, sh_year INTEGER)",
    "CREATE TABLE uslugi (id_uslug INTEGER PRIMARY KEY, uslugi TEXT COLLATE ZUR_CI,"
    " is_visible INTEGER, proc1 REAL, proc2 REAL, id_shet INTEGER, id_kassa INTEGER)",
    "CREATE TABLE ZUR_User (id_ZUR_user INTEGER PRIMARY KEY, ZUR_login TEXT COLLATE ZUR_CI,"
    " id_kassa INTEGER, canTerminal INTEGER, visible INTEGER)",
    "CREATE TABLE ReceptInfo (IDStudent INTEGER PRIMARY KEY, Faculties INTEGER,"
    " Speciality INTEGER, Recom_for_reccept INTEGER, Takebackdocs INTEGER,"
    " Payment_fr_kass INTEGER, DatePayment_fr_kass TEXT, confirm_date_for_reccept INTEGER,"
    " pay INTEGER, DateResept TEXT)",
    "CREATE TABLE Lookup_S_FIO_Payment (id_student INTEGER, s_fio TEXT COLLATE ZUR_CI,"
    " s TEXT COLLATE ZUR_CI, p1 TEXT COLLATE ZUR_CI, p2 TEXT COLLATE ZUR_CI, id_kassa INTEGER,"
    " first_p1 TEXT COLLATE ZUR_CI, SS_FIO TEXT COLLATE ZUR_CI)",
};

const char* const kRows[] = {
    "INSERT INTO Student VALUES (907, 'Иванов', 'Пётр', 'Сергеевич', '2001-03-05 00:00:00',"
    " 'AB', '1234567', '2015-03-05 00:00:00', 1, 1)",
    "INSERT INTO Student VALUES (908, 'Сидорова', 'Анна', NULL, NULL, NULL, '7654321', NULL,"
    " 1, 2)",
    "INSERT INTO s_fio VALUES (907, 'Иванов Пётр Сергеевич', 'И-17')",
    "INSERT INTO s_fio VALUES (908, 'Сидорова Анна', NULL)",
    "INSERT INTO Abiturient VALUES (311, 'Петров', 'Иван', NULL, NULL, NULL, NULL, NULL, 1)",
    "INSERT INTO Abiturient VALUES (312, 'Ким', 'Ли', 'Н', 'A-2', NULL, NULL, NULL, 1)",
    "INSERT INTO MVD_Pasport VALUES (1, 'МВД 50-01')",
    "INSERT INTO Citizenship VALUES (1, 'КР')",
    "INSERT INTO Citizenship VALUES (2, 'РК')",
    "INSERT INTO movement_t VALUES (907, 118, 2, 1, NULL, 0, NULL, 0, 2, '2023-09-01 00:00:00', 1)",
    "INSERT INTO movement_t VALUES (907, 118, 2, 1, NULL, 0, NULL, 0, 1, '2024-02-01 00:00:00', 2)",
    "INSERT INTO movement_t VALUES (908, 118, 2, 1, NULL, 0, NULL, 0, 2, '2023-09-01 00:00:00', 1)",
    "INSERT INTO [group] VALUES (118, 'ЭК-21', 4)",
    "INSERT INTO [group] VALUES (119, 'ЮР-21', 5)",
    "INSERT INTO rate VALUES (1, '1 курс')",
    "INSERT INTO rate VALUES (2, '2 курс')",
    "INSERT INTO rate VALUES (3, '3 курс')",
    "INSERT INTO faculty VALUES (4, 'Экономический', 'Экономический факультет', 1, 0)",
    "INSERT INTO faculty VALUES (5, 'Юридический', 'Юридический факультет', 1, 1)",
    "INSERT INTO g_r_y VALUES (118, 2, 12)",
    "INSERT INTO g_r_y VALUES (119, 2, 12)",
    "INSERT INTO uslugi VALUES (9, 'Обучение', 1, 0, 0, 1, 2)",
    "INSERT INTO ZUR_User VALUES (3, 'KASSIR', 2, 0, 1)",
    "INSERT INTO ReceptInfo VALUES (311, 4, 45, 1, NULL, NULL, NULL, 0, 0, NULL)",
    "INSERT INTO ReceptInfo VALUES (312, 4, 45, 1, NULL, NULL, NULL, 0, 0,"
    " '2024-12-01 09:00:00')",
    "INSERT INTO Lookup_S_FIO_Payment VALUES (907, 'Иванов Пётр Сергеевич', 'Иванов', 'Иванов',"
    " 'Пётр', 2, NULL, NULL)",
    "INSERT INTO Lookup_S_FIO_Payment VALUES (908, 'Сидорова Анна', 'Сидорова', 'Сидорова',"
    " 'Анна', 2, 'ИВАНОВА', NULL)",
};

class Database {
  public:
    Database() {
        sqlite3_open(":memory:", &db_);
        registerFunctions(db_);
    }
    ~Database() { sqlite3_close(db_); }
    sqlite3* handle() const { return db_; }

    // Runs `sql`; returns the rows as "a|b|c" texts (NULL written as NULL) or the error text
    // prefixed by "error: ".
    QStringList rows(const QString& sql, const QVariantList& binds = {}) const {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
            return {"error: " + QString::fromUtf8(sqlite3_errmsg(db_))};
        for (int i = 0; i < binds.size(); ++i) {
            const QByteArray text = binds[i].toString().toUtf8();
            sqlite3_bind_text(st, i + 1, text.constData(), -1, SQLITE_TRANSIENT);
        }
        QStringList out;
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            QStringList cells;
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                cells.append(text ? QString::fromUtf8(text) : QStringLiteral("NULL"));
            }
            out.append(cells.join(u'|'));
        }
        if (rc != SQLITE_DONE)
            out.append("error: " + QString::fromUtf8(sqlite3_errmsg(db_)));
        sqlite3_finalize(st);
        return out;
    }

    void fill() {
        for (const char* sql : kSchema)
            QCOMPARE(rows(sql), QStringList());
        for (const char* sql : kRows)
            QCOMPARE(rows(sql), QStringList());
    }

  private:
    sqlite3* db_ = nullptr;
};

QString tokenList(const Tokens& tokens) {
    static const char* const names[] = {"Word",     "Quoted", "String", "Number", "Param",
                                        "Variable", "Op",     "(",      ")",      ",",
                                        ".",        ";",      "End"};
    QStringList out;
    for (const Token& t : tokens) {
        if (!t.is(Token::Type::End))
            out.append(QString(names[int(t.type)]) + ":" + t.text);
    }
    return out.join(u' ');
}

}  // namespace

class TstTsqlTranslator : public QObject {
    Q_OBJECT

    QVector<CorpusEntry> corpus_;

    QString corpusStatement(const QString& name) const {
        for (const CorpusEntry& e : corpus_) {
            if (e.name == name)
                return e.tsql;
        }
        return {};
    }

  private slots:
    void initTestCase() {
        QString error;
        corpus_ = test::loadCorpus(test::corpusPath(), &error);
        QVERIFY2(!corpus_.isEmpty(), qPrintable(error));
    }

    void tokenizer_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("tokens");
        QTest::newRow("literal right after THEN") << "THEN''"
                                                  << "Word:THEN String:''";
        QTest::newRow("keyword right after a literal") << "' г.'FROM"
                                                       << "String:' г.' Word:FROM";
        QTest::newRow("keyword right after a bracket") << "[p23-1]Where"
                                                       << "Quoted:[p23-1] Word:Where";
        QTest::newRow("count then star") << "top 3*"
                                         << "Word:top Number:3 Op:*";
        QTest::newRow("national literal") << "N'kassir'"
                                          << "String:N'kassir'";
        QTest::newRow("word ending in N before a literal") << "WHEN'x'"
                                                           << "Word:WHEN String:'x'";
        QTest::newRow("doubled quote") << "'O''Brien'"
                                       << "String:'O''Brien'";
        QTest::newRow("both parameter forms") << "id=:@id_student AND g=:id_group"
                                              << "Word:id Op:= Param::@id_student Word:AND "
                                                 "Word:g Op:= Param::id_group";
        QTest::newRow("colons inside a literal") << "'14:40:11'"
                                                 << "String:'14:40:11'";
        QTest::newRow("comments are blanks") << "a-- c\nb/* d */c"
                                             << "Word:a Word:b Word:c";
        QTest::newRow("two-character operators") << "a<>b<=c!=d||e"
                                                 << "Word:a Op:<> Word:b Op:<= Word:c Op:!= "
                                                    "Word:d Op:|| Word:e";
        QTest::newRow("minus is not a comment") << "x-6"
                                                << "Word:x Op:- Number:6";
        QTest::newRow("numbers") << "1.5 .5 2e3"
                                 << "Number:1.5 Number:.5 Number:2e3";
        QTest::newRow("bracket with doubled close") << "[a]]b]"
                                                    << "Quoted:[a]]b]";
        QTest::newRow("variable and equals") << "@id_rate = 1"
                                             << "Variable:@id_rate Op:= Number:1";
        QTest::newRow("dotted three-part name") << "[ZUR].dbo.x"
                                                << "Quoted:[ZUR] .:. Word:dbo .:. Word:x";
    }
    void tokenizer() {
        QFETCH(QString, sql);
        QFETCH(QString, tokens);
        QCOMPARE(tokenList(tokenize(sql)), tokens);
        QCOMPARE(join(tokenize(sql)), sql);
    }

    void tokenizerRefuses_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("message");
        QTest::newRow("open literal") << "SELECT 'abc"
                                      << "unterminated string";
        QTest::newRow("open bracket") << "SELECT [abc"
                                      << "unterminated quoted";
        QTest::newRow("open comment") << "SELECT 1 /* x"
                                      << "unterminated comment";
        QTest::newRow("unknown character") << "SELECT a ? b"
                                           << "unexpected character '?'";
        QTest::newRow("digits run into a word") << "SELECT 12abc"
                                                << "malformed number";
    }
    void tokenizerRefuses() {
        QFETCH(QString, sql);
        QFETCH(QString, message);
        try {
            tokenize(sql);
            QFAIL("no error");
        } catch (const TranslateError& e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
    }

    void corpus_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < corpus_.size(); ++i)
            QTest::newRow(qPrintable(corpus_[i].name)) << i;
    }
    void corpus() {
        QFETCH(int, index);
        const CorpusEntry& e = corpus_[index];
        try {
            const Translation t = translate(e.tsql);
            switch (e.expect) {
                case CorpusEntry::Expect::Sql:
                    QCOMPARE(int(t.kind), int(Translation::Kind::Statement));
                    QCOMPARE(t.sql, e.expected);
                    break;
                case CorpusEntry::Expect::Exec:
                    QCOMPARE(int(t.kind), int(Translation::Kind::Exec));
                    QCOMPARE(test::describeExec(t), e.expected);
                    break;
                case CorpusEntry::Expect::NoOp:
                    QCOMPARE(int(t.kind), int(Translation::Kind::NoOp));
                    break;
                case CorpusEntry::Expect::Error:
                    QFAIL(qPrintable("translated although it must be refused: " + t.sql));
            }
        } catch (const TranslateError& error) {
            QVERIFY2(e.expect == CorpusEntry::Expect::Error, qPrintable(error.message()));
            QVERIFY2(error.message().contains(e.expected), qPrintable(error.message()));
        }
    }

    // Every translated statement whose tables the small schema has must be accepted by SQLite.
    void corpusPreparesOnSqlite() {
        Database db;
        db.fill();
        int prepared = 0;
        for (const CorpusEntry& e : corpus_) {
            if (e.expect != CorpusEntry::Expect::Sql)
                continue;
            sqlite3_stmt* st = nullptr;
            const int rc =
                sqlite3_prepare_v2(db.handle(), e.expected.toUtf8().constData(), -1, &st, nullptr);
            sqlite3_finalize(st);
            const QString message = QString::fromUtf8(sqlite3_errmsg(db.handle()));
            if (rc != SQLITE_OK && message.startsWith(QLatin1String("no such table")))
                continue;
            QVERIFY2(rc == SQLITE_OK, qPrintable(e.name + ": " + message));
            ++prepared;
        }
        QVERIFY(prepared >= 20);
    }

    void rows_data() {
        QTest::addColumn<QStringList>("statements");  // run in order; the last one's rows count
        QTest::addColumn<QStringList>("expected");
        const int year = QDate::currentDate().year();
        QTest::newRow("code and purpose joined")
            << QStringList{corpusStatement("uslug_with_code")} << QStringList{"9|(9) Обучение|1"};
        QTest::newRow("NULL parts of a name replaced by CASE")
            << QStringList{corpusStatement("abiturient2_all")}
            << QStringList{"312|Ким Ли Н-A-2", "311|Петров Иван -"};
        QTest::newRow("birth date from its parts; none gives empty brackets")
            << QStringList{corpusStatement("grid2_all_students")}
            << QStringList{"Иванов Пётр Сергеевич|Иванов Пётр Сергеевич (5.3.2001)|907",
                           "Сидорова Анна|Сидорова Анна ()|908"};
        QTest::newRow("code in brackets only when there is one")
            << QStringList{QString(corpusStatement("grid1_students_of_group"))
                               .replace(":id_rate", "2")
                               .replace(":id_group", "118")}
            << QStringList{"Иванов Пётр Сергеевич|Иванов Пётр Сергеевич - [ И-17 ] (5.3.2001)|907",
                           "Сидорова Анна|Сидорова Анна ()|908"};
        QTest::newRow("passport line with the date as dd.mm.yyyy")
            << QStringList{corpusStatement("passport_student")}
            << QStringList{"AB1234567 (МВД 50-01) от 05.03.2015 г."};
        QTest::newRow("passport line is NULL without an issue date")
            << QStringList{QString(corpusStatement("passport_student")).replace("907", "908")}
            << QStringList{"NULL"};
        QTest::newRow("nested joins")
            << QStringList{corpusStatement("group_privilege_groups")} << QStringList{"118|ЭК-21"};
        QTest::newRow("text and NULL joined give NULL")
            << QStringList{"SELECT p1 + ' ' + p3 FROM Student ORDER BY id_student"}
            << QStringList{"Иванов Сергеевич", "NULL"};
        QTest::newRow("surname fragment in any letter case, also the earlier surname")
            << QStringList{corpusStatement("name_search_by_surname")}
            << QStringList{"907|Иванов Пётр Сергеевич|Иванов|Иванов|Пётр|2|NULL",
                           "908|Сидорова Анна (ИВАНОВА) |Сидорова|Сидорова|Анна|2|NULL"};
        QTest::newRow("whole name fragment in another letter case")
            << QStringList{"SELECT DISTINCT id_student FROM Lookup_S_FIO_Payment  WHERE s_fio like "
                           "'%ИВАНОВ пётр%' AND id_kassa = 2 ORDER BY s"}
            << QStringList{"907"};
        QTest::newRow("login compared without regard to case")
            << QStringList{corpusStatement("can_terminal")} << QStringList{"KASSIR|0"};
        QTest::newRow("latest movement first: TOP with ORDER BY")
            << QStringList{corpusStatement("card_latest_movement")}
            << QStringList{"1|2024-02-01 00:00:00|2"};
        QTest::newRow("TOP in a sub-select")
            << QStringList{"SELECT p22 FROM rate WHERE id_rate IN (SELECT TOP 2 id_rate FROM rate "
                           "ORDER BY p22 DESC) ORDER BY p22"}
            << QStringList{"2 курс", "3 курс"};
        QTest::newRow("day-month-year date stored in the one stored form")
            << QStringList{corpusStatement("tuition_recept_info_confirm"),
                           "SELECT DatePayment_fr_kass, DateResept FROM ReceptInfo WHERE "
                           "IDStudent = 311"}
            << QStringList{"2024-03-05 14:40:11|2024-03-05 14:40:11"};
        QTest::newRow("date literals compare as dates")
            << QStringList{"SELECT IDStudent FROM ReceptInfo WHERE DateResept >= '01.03.2024' AND "
                           "DateResept < '02.12.2024'"}
            << QStringList{"312"};
        QTest::newRow("year, day and month of a stored date and of a literal")
            << QStringList{"SELECT IDStudent FROM ReceptInfo WHERE YEAR(DateResept) = "
                           "Year('1.12.2024') and Day(DateResept) = Day  ('1.12.2024') and "
                           "Month(DateResept) = Month('1.12.2024')"}
            << QStringList{"312"};
        QTest::newRow("years within five of now")
            << QStringList{QString("INSERT INTO a_year VALUES (1, 'old', %1, 0)").arg(year - 6),
                           QString("INSERT INTO a_year VALUES (2, 'now', %1, 0)").arg(year),
                           QString("INSERT INTO a_year VALUES (3, 'later', %1, 0)").arg(year + 5),
                           corpusStatement("year_f24")}
            << QStringList{"2|now", "3|later"};
    }
    void rows() {
        QFETCH(QStringList, statements);
        QFETCH(QStringList, expected);
        Database db;
        db.fill();
        QStringList result;
        for (const QString& tsql : statements) {
            QVERIFY2(!tsql.isEmpty(), "statement missing from the corpus");
            result = db.rows(translate(tsql).sql);
        }
        QCOMPARE(result, expected);
    }

    void rules_data() {
        QTest::addColumn<QString>("tsql");
        QTest::addColumn<QString>("sqlite");
        QTest::newRow("LIKE pattern keeps a typed date")
            << "SELECT 1 WHERE p104_1 LIKE '05.03.2024'"
            << "SELECT 1 WHERE p104_1 LIKE '05.03.2024'";
        QTest::newRow("date with minutes") << "SELECT '5.3.2024 9:05'"
                                           << "SELECT '2024-03-05 09:05:00'";
        QTest::newRow("text that only looks similar") << "SELECT '05.03.24', '1.2.3.2024'"
                                                      << "SELECT '05.03.24', '1.2.3.2024'";
        QTest::newRow("prefix inside a literal stays") << "SELECT 'dbo.x' FROM dbo.x"
                                                       << "SELECT 'dbo.x' FROM x";
        QTest::newRow("prefix in any letter case")
            << "SELECT * FROM Zur.DBO.[group], [zur].[DBO].rate"
            << "SELECT * FROM [group], rate";
        QTest::newRow("TOP (n) with a blank") << "SELECT TOP (5) p22 FROM rate ORDER BY p22"
                                              << "SELECT p22 FROM rate ORDER BY p22 LIMIT 5";
        QTest::newRow("LIMIT before the semicolon") << "SELECT TOP 1 p22 FROM rate;"
                                                    << "SELECT p22 FROM rate LIMIT 1;";
        QTest::newRow("numbers keep plus") << "SELECT u_god + 1, p102 * 2 + 1 FROM a_year"
                                           << "SELECT u_god + 1, p102 * 2 + 1 FROM a_year";
        QTest::newRow("ISNULL becomes ifnull and joins text")
            << "SELECT ISNULL(p1, '') + N'x' FROM Student"
            << "SELECT ifnull(p1, '') || 'x' FROM Student";
        QTest::newRow("parameter text with wildcards")
            << "SELECT 1 WHERE p1 LIKE '%' + :name + '%'"
            << "SELECT 1 WHERE p1 LIKE '%' || :name || '%'";
        QTest::newRow("three nested joins")
            << "SELECT 1 FROM a JOIN b JOIN c JOIN d ON d.x = c.x ON c.x = b.x ON b.x = a.x"
            << "SELECT 1 FROM a JOIN (b JOIN (c JOIN d ON d.x = c.x) ON c.x = b.x) ON b.x = a.x";
        QTest::newRow("left-deep joins unchanged")
            << "SELECT 1 FROM a LEFT JOIN b ON a.x = b.x CROSS JOIN c"
            << "SELECT 1 FROM a LEFT JOIN b ON a.x = b.x CROSS JOIN c";
    }
    void rules() {
        QFETCH(QString, tsql);
        QFETCH(QString, sqlite);
        QCOMPARE(translate(tsql).sql, sqlite);
    }

    void refusals_data() {
        QTest::addColumn<QString>("tsql");
        QTest::addColumn<QString>("message");
        QTest::newRow("UPDATE TOP") << "UPDATE TOP (1) rate SET p22 = 'x'"
                                    << "TOP outside SELECT";
        QTest::newRow("TOP without a count") << "SELECT TOP :n * FROM rate"
                                             << "TOP takes a number";
        QTest::newRow("CONVERT to a number") << "SELECT CONVERT(INT, p104_1, 104) FROM Payment"
                                             << "text type";
        QTest::newRow("plus of an unknown column") << "SELECT foo + 'x' + bar - 1 FROM t"
                                                   << "mixes texts and numbers";
        QTest::newRow("plus of two unknown columns") << "SELECT foo + bar FROM t"
                                                     << "cannot tell";
        QTest::newRow("other SET") << "SET NOCOUNT ON"
                                   << "unsupported SET";
        QTest::newRow("table hint") << "SELECT * FROM rate WITH (NOLOCK)"
                                    << "table hints";
        QTest::newRow("EXEC with an expression") << "EXEC GetNum 1 + 2"
                                                 << "expected ','";
        QTest::newRow("empty") << "  "
                               << "empty statement";
        QTest::newRow("names the position") << "SELECT p9 + p8 FROM Student"
                                            << "position 10";
    }
    void refusals() {
        QFETCH(QString, tsql);
        QFETCH(QString, message);
        try {
            translate(tsql);
            QFAIL("no error");
        } catch (const TranslateError& e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
    }

    void execArguments() {
        const Translation t = translate("EXECUTE dbo.GetNum N'Касса', -5, 2.5, NULL;");
        QCOMPARE(t.procedure, QString("GetNum"));
        QCOMPARE(t.arguments.size(), 4);
        QCOMPARE(t.arguments[0].value, QVariant(QString("Касса")));
        QCOMPARE(t.arguments[1].value, QVariant(qlonglong(-5)));
        QCOMPARE(t.arguments[2].value, QVariant(2.5));
        QVERIFY(t.arguments[3].value.isNull());
    }

    void cachedTranslation() {
        const QString sql = "SELECT TOP 1 p22 FROM rate";
        const Translation& first = translateCached(sql);
        QCOMPARE(&translateCached(sql), &first);
        QCOMPARE(first.sql, QString("SELECT p22 FROM rate LIMIT 1"));
        QVERIFY_THROWS_EXCEPTION(TranslateError, translateCached("SELECT TOP 5 PERCENT 1"));
    }

    void positional_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("positional");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("both forms, repeated")
            << "a=:x AND b=:@y AND c=:x"
            << "a=? AND b=? AND c=?" << QStringList{"x", "y", "x"};
        QTest::newRow("not inside literals, brackets or comments")
            << "a='t :x' AND [b:c]=:z -- :w\n"
            << "a='t :x' AND [b:c]=? -- :w\n"
            << QStringList{"z"};
        QTest::newRow("national literal kept") << "a=N'x' AND b=:p"
                                               << "a=N'x' AND b=?" << QStringList{"p"};
    }
    void positional() {
        QFETCH(QString, sql);
        QFETCH(QString, positional);
        QFETCH(QStringList, names);
        const PositionalStatement p = positionalize(sql);
        QCOMPARE(p.sql, positional);
        QCOMPARE(p.names, names);
    }

    void functions_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("binds");
        QTest::addColumn<QString>("result");
        const QVariantList none;
        QTest::newRow("year of stored date")
            << "SELECT year('2024-03-05 14:40:11')" << none << "2024";
        QTest::newRow("month of day-month-year") << "SELECT month('5.3.2024')" << none << "3";
        QTest::newRow("day of date with time")
            << "SELECT day('05.03.2024 14:40:11')" << none << "5";
        QTest::newRow("day of NULL") << "SELECT day(NULL)" << none << "NULL";
        QTest::newRow("not a date") << "SELECT year('abc')" << none << "error: not a date: abc";
        QTest::newRow("style 104")
            << "SELECT zur_date104('2015-03-05 00:00:00')" << none << "05.03.2015";
        QTest::newRow("like folds Cyrillic")
            << "SELECT ?1 LIKE ?2" << QVariantList{"Иванов", "%иван%"} << "1";
        QTest::newRow("like folds Ё") << "SELECT ?1 LIKE ?2" << QVariantList{"ёлка", "Ё%"} << "1";
        QTest::newRow("like one character")
            << "SELECT ?1 LIKE ?2" << QVariantList{"Иван", "_ВАН"} << "1";
        QTest::newRow("like anchored")
            << "SELECT ?1 LIKE ?2" << QVariantList{"Иванов", "иван"} << "0";
        QTest::newRow("like set") << "SELECT ?1 LIKE ?2" << QVariantList{"Борис", "[аб]%"} << "1";
        QTest::newRow("like range") << "SELECT ?1 LIKE ?2" << QVariantList{"7", "[0-9]"} << "1";
        QTest::newRow("like negated set")
            << "SELECT ?1 LIKE ?2" << QVariantList{"Анна", "[^а]%"} << "0";
        QTest::newRow("like open bracket is literal")
            << "SELECT ?1 LIKE ?2" << QVariantList{"[a", "[a"} << "1";
        QTest::newRow("like with escape")
            << "SELECT ?1 LIKE ?2 ESCAPE '!'" << QVariantList{"10%", "10!%"} << "1";
        QTest::newRow("escaped percent is literal")
            << "SELECT ?1 LIKE ?2 ESCAPE '!'" << QVariantList{"100", "10!%"} << "0";
        QTest::newRow("like backtracks")
            << "SELECT ?1 LIKE ?2" << QVariantList{"abcabd", "%ab_"} << "1";
        QTest::newRow("collation ignores case")
            << "SELECT 'ИВАН' = 'иван' COLLATE ZUR_CI" << none << "1";
        QTest::newRow("collation ignores trailing blanks")
            << "SELECT 'Наличные   ' = 'наличные' COLLATE ZUR_CI" << none << "1";
        QTest::newRow("collation keeps other differences")
            << "SELECT 'Иван' = 'Иванов' COLLATE ZUR_CI" << none << "0";
        QTest::newRow("collation orders") << "SELECT 'б' < 'В' COLLATE ZUR_CI" << none << "1";
    }
    void functions() {
        QFETCH(QString, sql);
        QFETCH(QVariantList, binds);
        QFETCH(QString, result);
        Database db;
        QCOMPARE(db.rows(sql, binds), QStringList{result});
    }

    void getdateIsLocalStoredForm() {
        Database db;
        const QStringList r = db.rows("SELECT getdate()");
        QCOMPARE(r.size(), 1);
        const QDateTime now = QDateTime::fromString(r.first(), "yyyy-MM-dd hh:mm:ss");
        QVERIFY(now.isValid());
        QVERIFY(qAbs(now.secsTo(QDateTime::currentDateTime())) < 5);
    }
};

QTEST_GUILESS_MAIN(TstTsqlTranslator)
#include "tst_tsql_translator.moc"
