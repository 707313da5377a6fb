#include <QTemporaryDir>
#include <QTest>

#include "documents/document_data.h"
#include "documents/order_inputs.h"
#include "documents/stored_document.h"
#include "embedded/demo.h"
#include "platform/db/connection.h"

using namespace zur;
using namespace zur::documents;

class TestStoredDocument : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void split_data();
    void split();
    void receiptOfAStudent();
    void receiptWithoutGroupOrFaculty();
    void expenseOfAStaffMember_data();
    void expenseOfAStaffMember();
    void missingRecords();
    void cashDeskAndFaculty();

  private:
    qlonglong insert(const QString& sql);

    QTemporaryDir dir_;
    db::Connection connection_;
};

void TestStoredDocument::initTestCase() {
    const QString path = dir_.filePath("demo.db");
    embedded::createDemo(path, 10, 50);
    connection_.setConnectionString(QStringLiteral("Data Source=sqlite:") + path);
    connection_.open();
    // A purpose of 10 % and 10 % on the account row 1, and a staff member without a passport.
    connection_.execute(
        "INSERT INTO uslugi (id_uslug, uslugi, proc1, proc2, id_shet, id_kassa) VALUES "
        "(900, 'Проба', 10, 10, 1, 1)");
    connection_.execute(
        "INSERT INTO teacher (id_teacher, p26, p27) VALUES (900, 'Бекова', 'Айгуль')");
}

qlonglong TestStoredDocument::insert(const QString& sql) {
    connection_.execute(sql);
    return connection_.lastInsertId().toLongLong();
}

void TestStoredDocument::split_data() {
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("percent1");
    QTest::addColumn<double>("percent2");
    QTest::addColumn<QString>("sum1");
    QTest::addColumn<QString>("sum2");
    QTest::newRow("10 and 10") << 1000.0 << 10.0 << 10.0 << "    909,09"
                               << "     90,91";
    QTest::newRow("only the second counts") << 1000.0 << 20.0 << 10.0 << "    909,09"
                                            << "     90,91";
    QTest::newRow("no second account") << 1500.0 << 0.0 << 0.0 << "   1500,00"
                                       << "      0,00";
}

void TestStoredDocument::split() {
    QFETCH(double, amount);
    QFETCH(double, percent1);
    QFETCH(double, percent2);
    QFETCH(QString, sum1);
    QFETCH(QString, sum2);
    const AmountSplit parts = split_stored_amount(amount, percent1, percent2);
    QCOMPARE(parts.total, money_text(amount));
    QCOMPARE(parts.sum1, sum1);
    QCOMPARE(parts.sum2, sum2);
}

void TestStoredDocument::receiptOfAStudent() {
    // A copy of a demo payment of a student with its group, under an extra number and purpose.
    const qlonglong id = insert(
        "INSERT INTO Payment (id_kassa, id_faculty, id_student, p102, p103, p104, p104_1, "
        "id_uslug, "
        "id_a_year, id_speciality, id_rate, id_group, osnovanie) SELECT TOP 1 id_kassa, "
        "id_faculty, "
        "id_student, 1000, p103, 345, '345/2', 900, id_a_year, id_speciality, id_rate, id_group, "
        "'Договор' FROM Payment WHERE id_student IS NOT NULL AND id_group IS NOT NULL "
        "ORDER BY id_payment");
    next_year_transfer = true;
    const auto inputs = load_stored_receipt(connection_, id);
    QVERIFY(inputs);
    QVERIFY(!next_year_transfer);
    QCOMPARE(document_data.order_no, QStringLiteral("345/2"));
    QCOMPARE(document_data.total_sum, QStringLiteral("   1000,00"));
    QCOMPARE(document_data.sum2, QStringLiteral("     90,91"));
    QCOMPARE(document_data.purpose_name, QStringLiteral("Проба"));
    QCOMPARE(document_data.basis, QStringLiteral("Договор"));
    QVERIFY(!document_data.payer_name.isEmpty());
    QVERIFY(!document_data.account1.isEmpty());
    QVERIFY2(document_data.note.contains(QStringLiteral(" гр.")) &&
                 document_data.note.contains(QStringLiteral(" уч. год. \r")),
             qPrintable(document_data.note));
    QVERIFY(!document_data.institution_name.isEmpty());
    QVERIFY(!inputs->faculty_doc_name.isEmpty());
    QVERIFY(!inputs->officials.kasir.isEmpty());
}

void TestStoredDocument::receiptWithoutGroupOrFaculty() {
    const qlonglong id = insert(
        "INSERT INTO Payment (id_kassa, dopol, p102, p103, p104, id_uslug) VALUES "
        "(1, 'Прохожий', 50, '2016-03-05 10:00:00', 7, 900)");
    const auto inputs = load_stored_receipt(connection_, id);
    QVERIFY(inputs);
    QCOMPARE(document_data.order_no, QStringLiteral("7"));
    QCOMPARE(document_data.payer_name, QStringLiteral("Прохожий"));
    QVERIFY(document_data.note.isEmpty());
    QVERIFY(document_data.institution_name.isEmpty());
    QCOMPARE(document_data.pay_date.date(), QDate(2016, 3, 5));
}

void TestStoredDocument::expenseOfAStaffMember_data() {
    QTest::addColumn<qlonglong>("teacher");
    QTest::addColumn<bool>("hasPassport");
    const auto any = connection_.query(
        "SELECT TOP 1 id_teacher FROM passport p INNER JOIN MVD_Pasport m ON "
        "p.id_passport_organ = m.IDMVD");
    QVERIFY(!any.rows.isEmpty());
    QTest::newRow("with a passport") << any.rows.first().first().toLongLong() << true;
    QTest::newRow("without a passport") << 900LL << false;
}

void TestStoredDocument::expenseOfAStaffMember() {
    QFETCH(qlonglong, teacher);
    QFETCH(bool, hasPassport);
    const qlonglong id = insert(
        QStringLiteral("INSERT INTO Expense (id_kassa, id_teacher, p102, p103, p104, id_uslug, "
                       "osnovanie, primech) VALUES (1, %1, 1500, '2015-06-19 12:00:00', 12, 900, "
                       "'Командировка', '')")
            .arg(teacher));
    const auto expense = load_stored_expense(connection_, id);
    QVERIFY(expense);
    QCOMPARE(expense->passport.isEmpty(), !hasPassport);
    QVERIFY(!expense->cash_desk_name.isEmpty());
    QVERIFY(!document_data.payer_name.isEmpty());
    QCOMPARE(document_data.basis, QStringLiteral("Командировка\r"));
    QVERIFY(!document_data.institution_name.isEmpty());
    QVERIFY(document_data.note.isEmpty());
}

void TestStoredDocument::missingRecords() {
    QVERIFY(!load_stored_receipt(connection_, 999999));
    QVERIFY(!load_stored_expense(connection_, 999999));
}

void TestStoredDocument::cashDeskAndFaculty() {
    connection_.execute("INSERT INTO Kassa (id_kassa, name) VALUES (900, 'Пустая касса')");
    const Officials none = load_officials(connection_, 900);
    QVERIFY(none.rukov.isEmpty() && none.glavBuh.isEmpty() && none.kasir.isEmpty());
    QVERIFY(load_officials(connection_, 901).kasir.isEmpty());
    QVERIFY(!load_officials(connection_, 1).kasir.isEmpty());

    connection_.execute("INSERT INTO faculty (id_faculty, RS_opl) VALUES (900, 1), (901, 0)");
    QVERIFY(faculty_hides_institution(connection_, 900));
    QVERIFY(!faculty_hides_institution(connection_, 901));
    QVERIFY(!faculty_hides_institution(connection_, 902));
}

QTEST_MAIN(TestStoredDocument)
#include "test_stored_document.moc"
