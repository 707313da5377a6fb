// The money views of the embedded database on small fixtures.

#include "tests/embedded/fixture.h"

#include <QtTest>

using namespace zur;
using embedded::test::EmbeddedDb;

namespace {

// Student 1 studies in group 1: course 1 in year 1 (price 10000), course 2 in year 2 (price
// 12000). Desk 1 serves faculty 1 (user 1), desk 2 another faculty (user 3). Purpose 1 is a
// tuition fee, purpose 2 is not.
const char* const kStudy =
    "INSERT INTO faculty VALUES (1, 'Экономический', 'Экономический факультет', 1, 0);"
    "INSERT INTO Kassa (id_kassa, name) VALUES (1, 'Главная касса'), (2, 'Касса 2');"
    "INSERT INTO KasFak VALUES (1, 1), (2, 2);"
    "INSERT INTO ZUR_User (id_ZUR_user, ZUR_login, id_kassa) VALUES (1, 'kassir', 1), (3, "
    "'ivanova', 2);"
    "INSERT INTO a_year VALUES (1, '2025-2026', 2025, 2025), (2, '2026-2027', 2026, 2026);"
    "INSERT INTO rate VALUES (1, '1 курс'), (2, '2 курс');"
    "INSERT INTO special VALUES (1, 'Экономика'); INSERT INTO f_educ VALUES (1, 'очная');"
    "INSERT INTO com_sfe VALUES (1, 1, 1, 1, 1, 4);"
    "INSERT INTO [group] VALUES (1, 'ЭК-25-1', 1), (2, 'ЭК-25-2', 1);"
    "INSERT INTO g_s VALUES (1, 1), (2, 1);"
    "INSERT INTO g_r_y VALUES (1, 1, 1), (1, 2, 2), (2, 1, 1);"
    "INSERT INTO Groups_payment VALUES (1, 1, 1, 1, 'ЭК-25-1', 10000), (1, 2, 2, 1, 'ЭК-25-1', "
    "12000),"
    " (2, 1, 1, 1, 'ЭК-25-2', 11000);"
    "INSERT INTO uslugi (id_uslug, uslugi) VALUES (1, 'Оплата за обучение'), (2, 'Общежитие');"
    "INSERT INTO pay_educ (id_uslug) VALUES (1);"
    "INSERT INTO v_opl (id_v_opl, p105) VALUES (1, 'Наличными');"
    "INSERT INTO Student (id_student, p1, p2, p3, idid, first_p1) VALUES"
    " (1, 'Иванова', 'Анна', 'Петровна', '25001', 'Смирнова');"
    "INSERT INTO movement_t (id_movement, id_student, id_group, id_rate, come_date) VALUES"
    " (1, 1, 1, 1, '2025-09-01 09:00:00'), (2, 1, 1, 2, '2026-09-01 09:00:00');";

// A payment of student 1: id, amount, purpose, course, year.
QString payment(int id, double amount, int purpose, int rate, int year) {
    return QStringLiteral(
               "INSERT INTO Payment (id_payment, id_kassa, id_faculty, id_student, "
               "p102, p103, p104, id_v_opl, id_uslug, id_rate, id_a_year, id_group, "
               "id_speciality) VALUES (%1, 1, 1, 1, %2, '2025-10-0%1 10:00:00', %1, 1, "
               "%3, %4, %5, 1, 1);")
        .arg(id)
        .arg(amount)
        .arg(purpose)
        .arg(rate)
        .arg(year);
}

QString transfer(const char* table, int payment, double amount, int rate, int year) {
    return QStringLiteral(
               "INSERT INTO %1 (id_payment, id_NewYear, id_newRate, id_newGroup, "
               "p102NewSpec, id_newSpecP102, ondate) VALUES (%2, %5, %4, 1, %3, 1, "
               "'2025-11-20 00:00:00');")
        .arg(QLatin1String(table))
        .arg(payment)
        .arg(amount)
        .arg(rate)
        .arg(year);
}

}  // namespace

class TestViews : public QObject {
    Q_OBJECT

  private slots:
    void contractLines_data();
    void contractLines();
    void contractLinesBelongToTheDesksOfTheFaculty();
    void leftGroupKeepsItsLine();
    void paymentsWithTheirNames();
    void expensesAndVirtualTransfers();
    void lookupLists_data();
    void lookupLists();
};

void TestViews::contractLines_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("rate");
    QTest::addColumn<double>("p106");
    QTest::addColumn<double>("paid");
    QTest::addColumn<double>("rest");
    QTest::addColumn<int>("privilege");

    QTest::newRow("nothing paid") << "" << 1 << 10000.0 << 0.0 << 10000.0 << 0;
    QTest::newRow("two payments") << payment(1, 4000, 1, 1, 1) + payment(2, 2500.5, 1, 1, 1) << 1
                                  << 10000.0 << 6500.5 << 3499.5 << 0;
    QTest::newRow("payment of another course")
        << payment(1, 4000, 1, 2, 2) << 1 << 10000.0 << 0.0 << 10000.0 << 0;
    QTest::newRow("purpose that is no tuition fee")
        << payment(1, 4000, 2, 1, 1) << 1 << 10000.0 << 0.0 << 10000.0 << 0;
    QTest::newRow("percent privilege")
        << "UPDATE movement_t SET percent_privilege = 30, priv_var = 0 WHERE id_movement = 1;" +
               payment(1, 7000, 1, 1, 1)
        << 1 << 7000.0 << 7000.0 << 0.0 << 1;
    QTest::newRow("fixed-sum privilege")
        << "UPDATE movement_t SET percent_privilege = 4500, priv_var = 1 WHERE id_movement = 1;"
        << 1 << 4500.0 << 0.0 << 4500.0 << 1;
    QTest::newRow("privilege removed")
        << "UPDATE movement_t SET percent_privilege = 0, priv_var = NULL WHERE id_movement = 1;"
        << 1 << 10000.0 << 0.0 << 10000.0 << 0;
    QTest::newRow("transfer out of the course")
        << payment(1, 13000, 1, 1, 1) + transfer("PaymentTransfer", 1, 3000, 2, 2) << 1 << 10000.0
        << 10000.0 << 0.0 << 0;
    QTest::newRow("transfer into the course")
        << payment(1, 13000, 1, 1, 1) + transfer("PaymentTransfer", 1, 3000, 2, 2) << 2 << 12000.0
        << 3000.0 << 9000.0 << 0;
    QTest::newRow("virtual transfer does not count")
        << payment(1, 13000, 1, 1, 1) + transfer("PaymentTransfer_Virtual", 1, 3000, 2, 2) << 1
        << 10000.0 << 13000.0 << -3000.0 << 0;
    QTest::newRow("virtual transfer brings nothing")
        << payment(1, 13000, 1, 1, 1) + transfer("PaymentTransfer_Virtual", 1, 3000, 2, 2) << 2
        << 12000.0 << 0.0 << 12000.0 << 0;
    QTest::newRow("refund of a payment")
        << payment(1, 6000, 1, 1, 1) +
               "INSERT INTO Expense (id_kassa, id_student, p102, id_payment, Onul) VALUES "
               "(1, 1, 1500, 1, 0), (1, 1, 700, 1, 1);"
        << 1 << 10000.0 << 4500.0 << 5500.0 << 0;
}

void TestViews::contractLines() {
    QFETCH(QString, script);
    QFETCH(int, rate);
    EmbeddedDb db(QString::fromUtf8(kStudy) + script);
    const db::ResultSet lines = db.connection().query(
        QStringLiteral("SELECT * FROM Payment1V WHERE id_student=:@id_student AND "
                       "id_ZUR_user=:@id_ZUR_user ORDER BY id_rate"),
        {{QStringLiteral("id_student"), 1}, {QStringLiteral("id_ZUR_user"), 1}});
    QCOMPARE(lines.rows.size(), 2);
    const int row = rate - 1;
    QTEST(lines.value(row, QStringLiteral("p106")).toDouble(), "p106");
    QTEST(lines.value(row, QStringLiteral("sum_opl")).toDouble(), "paid");
    QTEST(lines.value(row, QStringLiteral("ost_sum")).toDouble(), "rest");
    QTEST(lines.value(row, QStringLiteral("isPrivelag")).toInt(), "privilege");
    QCOMPARE(lines.value(row, QStringLiteral("id_a_year")).toInt(), rate);
    QCOMPARE(lines.value(row, QStringLiteral("p20")).toString(), QStringLiteral("ЭК-25-1"));
    QCOMPARE(lines.value(row, QStringLiteral("p25_2")).toString(),
             QStringLiteral("Экономика (очная)"));
    QCOMPARE(lines.value(row, QStringLiteral("come_date")).typeId(), QMetaType::QDateTime);
}

void TestViews::contractLinesBelongToTheDesksOfTheFaculty() {
    EmbeddedDb db{QString::fromUtf8(kStudy)};
    QCOMPARE(
        db.scalar(QStringLiteral("SELECT count(*) FROM Payment1V WHERE id_ZUR_user = 3")).toInt(),
        0);
    // The desk's tuition check (by course and group, any user) sees the line once.
    QCOMPARE(db.connection()
                 .query(QStringLiteral("SELECT TOP 1 p106, sum_opl FROM Payment1V WHERE "
                                       "id_student=1 AND id_rate = 2 and id_group = 1"))
                 .rows[0][0]
                 .toDouble(),
             12000.0);
}

void TestViews::leftGroupKeepsItsLine() {
    EmbeddedDb db(QString::fromUtf8(kStudy) +
                  "UPDATE movement_t SET id_leave = 2 WHERE id_movement = 2;"
                  "INSERT INTO movement_t (id_student, id_group, id_rate, come_date) VALUES "
                  "(1, 2, 1, '2026-10-01 09:00:00');" +
                  payment(1, 4000, 1, 2, 2));
    const db::ResultSet lines = db.connection().query(
        QStringLiteral("SELECT p20, id_rate, p106, sum_opl FROM Payment1V WHERE id_student = 1 "
                       "AND id_ZUR_user = 1 ORDER BY come_date"));
    QCOMPARE(lines.rows.size(), 3);
    QCOMPARE(lines.rows[1], (QVector<QVariant>{QStringLiteral("ЭК-25-1"), 2LL, 12000.0, 4000.0}));
    QCOMPARE(lines.rows[2], (QVector<QVariant>{QStringLiteral("ЭК-25-2"), 1LL, 11000.0, 0.0}));
    QCOMPARE(db.scalar(QStringLiteral(
                 "SELECT DISTINCT id_group FROM movement_t where id_leave > 1 AND id_student = 1")),
             QVariant(1LL));
}

void TestViews::paymentsWithTheirNames() {
    EmbeddedDb db(QString::fromUtf8(kStudy) + payment(1, 4000, 1, 1, 1) + payment(2, 500, 2, 1, 1) +
                  "UPDATE Payment SET p104_1 = 'Т-77' WHERE id_payment = 2;" +
                  transfer("PaymentTransfer", 1, 1000, 2, 2));
    const db::ResultSet payments = db.connection().query(
        QStringLiteral("SELECT zur.dbo.Payment2V.*, SumP102 FROM zur.dbo.Payment2V     left outer "
                       "join (   SELECT id_payment ,SUM(p102NewSpec)as SumP102 FROM "
                       "ZUR.dbo.PaymentTransfer Group by id_payment   ) as PayTransf on "
                       "PayTransf.id_payment=Payment2V.id_payment WHERE id_student=:@id_student "
                       "AND id_ZUR_user=:@id_ZUR_user ORDER BY p103"),
        {{QStringLiteral("id_student"), 1}, {QStringLiteral("id_ZUR_user"), 1}});
    QCOMPARE(payments.rows.size(), 2);
    QCOMPARE(payments.value(0, QStringLiteral("p104")).toString(), QStringLiteral("1"));
    QCOMPARE(payments.value(1, QStringLiteral("p104")).toString(), QStringLiteral("Т-77"));
    QCOMPARE(payments.value(0, QStringLiteral("uslugi")).toString(),
             QStringLiteral("Оплата за обучение"));
    QCOMPARE(payments.value(0, QStringLiteral("p105")).toString(), QStringLiteral("Наличными"));
    QCOMPARE(payments.value(0, QStringLiteral("p32")).toString(), QStringLiteral("2025-2026"));
    QCOMPARE(payments.value(0, QStringLiteral("SumP102")).toDouble(), 1000.0);
    QVERIFY(payments.value(1, QStringLiteral("SumP102")).isNull());
}

void TestViews::expensesAndVirtualTransfers() {
    EmbeddedDb db(QString::fromUtf8(kStudy) + payment(1, 13000, 1, 1, 1) +
                  transfer("PaymentTransfer_Virtual", 1, 3000, 2, 2) +
                  "INSERT INTO Expense (id_kassa, id_student, p102, p103, p104, id_v_opl, "
                  "id_uslug, id_a_year, id_speciality) VALUES "
                  "(1, 1, 1500, '2025-12-01 10:00:00', 4, 1, 2, 1, 1);");
    const db::ResultSet expenses = db.connection().query(
        QStringLiteral("SELECT * FROM Payment3V WHERE id_student=:@id_student"),
        {{QStringLiteral("id_student"), 1}});
    QCOMPARE(expenses.rows.size(), 1);
    QCOMPARE(expenses.value(0, QStringLiteral("p104")).toString(), QStringLiteral("4"));
    QCOMPARE(expenses.value(0, QStringLiteral("uslugi")).toString(), QStringLiteral("Общежитие"));
    const db::ResultSet moved = db.connection().query(QStringLiteral(
        "SELECT  id_student, id_PaymentTransferVirtual, Year, rate, groups, orders, SummaFrom, "
        "Dates, SUMMA, speciality FROM V_PaymentTransferVirtual WHERE id_student =1 ORDER BY "
        "Year, rate"));
    QCOMPARE(moved.rows.size(), 1);
    QCOMPARE(
        moved.rows[0].mid(2),
        (QVector<QVariant>{QStringLiteral("2026-2027"), QStringLiteral("2 курс"),
                           QStringLiteral("ЭК-25-1"), 1LL, 13000.0, QStringLiteral("20.11.2025"),
                           3000.0, QStringLiteral("Экономика (очная)")}));
}

void TestViews::lookupLists_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<int>("found");
    QTest::newRow("surname, other letter case")
        << "SELECT DISTINCT * FROM Lookup_S_FIO_Payment  WHERE p1 like '%иванова%' AND id_kassa = "
           "1 ORDER BY s"
        << 1;
    QTest::newRow("earlier surname") << "SELECT DISTINCT * FROM Lookup_S_FIO_Payment  WHERE "
                                        "first_p1 like '%СМИРН%' AND id_kassa = 1 ORDER BY s"
                                     << 1;
    QTest::newRow("other desk") << "SELECT DISTINCT * FROM Lookup_S_FIO_Payment  WHERE p1 like "
                                   "'%%' AND id_kassa = 2 ORDER BY s"
                                << 0;
    QTest::newRow("full name") << "SELECT DISTINCT * FROM Lookup_S_FIO_Payment  WHERE s_fio like "
                                  "'%анна петровна%' AND id_kassa = 1 ORDER BY s"
                               << 1;
}

void TestViews::lookupLists() {
    QFETCH(QString, statement);
    EmbeddedDb db{QString::fromUtf8(kStudy)};
    const db::ResultSet found = db.connection().query(statement);
    QTEST(int(found.rows.size()), "found");
    if (!found.rows.isEmpty()) {
        QCOMPARE(found.value(0, QStringLiteral("SS_FIO")).toString(),
                 QStringLiteral("Иванова Анна Петровна"));
        QCOMPARE(found.value(0, QStringLiteral("s_fio")).toString(),
                 QStringLiteral("Иванова Анна Петровна [25001]"));
    }
}

QTEST_GUILESS_MAIN(TestViews)
#include "tst_views.moc"
