#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "documents/passport_dialog.h"
#include "platform/db/connection.h"
#include "tests/support/scripted_dialogs.h"

using namespace zur;
using documents::Recipient;
using Kind = documents::Recipient::Kind;

namespace {

// Just the tables the passport statements read.
const char* const kFixture = R"(
CREATE TABLE MVD_Pasport (IDMVD INTEGER PRIMARY KEY, CodeMVD TEXT);
CREATE TABLE passport (id_passport INTEGER PRIMARY KEY, id_teacher INTEGER, s_p TEXT, n_p TEXT,
                       D_given_p DATETIME, id_passport_organ INTEGER);
CREATE TABLE Student (id_student INTEGER PRIMARY KEY, SerialPas TEXT, NumberPas TEXT,
                      DateGivenPas DATETIME, GivenPas INTEGER);
CREATE TABLE Abiturient (id_student INTEGER PRIMARY KEY, SerialPas TEXT, NumberPas TEXT,
                         DateGivenPas DATETIME, GivenPas INTEGER);
INSERT INTO MVD_Pasport VALUES (1, 'MKK 50-01');
INSERT INTO passport VALUES (1, 10, 'AN', '1234567', '2010-02-01 00:00:00', 1);
INSERT INTO passport VALUES (2, 11, NULL, '7654321', '2011-03-04 00:00:00', 1);
INSERT INTO Student VALUES (20, 'ID', '0000001', '2015-06-19 00:00:00', 1);
INSERT INTO Student VALUES (21, 'ID', '0000002', '2015-06-19 00:00:00', 99);
INSERT INTO Student VALUES (22, 'ID', '0000003', NULL, 1);
INSERT INTO Abiturient VALUES (30, 'AC', '5555555', '2016-07-01 00:00:00', 1);
)";

}  // namespace

class TestPassport : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void line_data();
    void line();
    void expenseRecipient_data();
    void expenseRecipient();
    void dialogFillsOnShow();
    void closeBoxKeepsTheLine();
    void failingStatementShowsError();

  private:
    QTemporaryDir dir_;
    db::Connection connection_;
};

void TestPassport::initTestCase() {
    connection_.setConnectionString(
        QStringLiteral("Data Source=sqlite:%1;Create=1").arg(dir_.filePath("zur.db")));
    connection_.open();
    connection_.runNativeScript(QString::fromUtf8(kFixture));
}

void TestPassport::line_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<qlonglong>("key");
    QTest::addColumn<QString>("line");
    QTest::newRow("staff") << int(Kind::Staff) << 10LL << "AN1234567 (MKK 50-01) от 01.02.2010 г.";
    QTest::newRow("staff without series")
        << int(Kind::Staff) << 11LL << "7654321 (MKK 50-01) от 04.03.2011 г.";
    QTest::newRow("staff without passport") << int(Kind::Staff) << 12LL << "";
    QTest::newRow("student") << int(Kind::Student) << 20LL
                             << "ID0000001 (MKK 50-01) от 19.06.2015 г.";
    QTest::newRow("student, unknown authority") << int(Kind::Student) << 21LL << "";
    QTest::newRow("student, no date of issue") << int(Kind::Student) << 22LL << "";
    QTest::newRow("applicant") << int(Kind::Applicant) << 30LL
                               << "AC5555555 (MKK 50-01) от 01.07.2016 г.";
    QTest::newRow("no recipient") << int(Kind::None) << 0LL << "";
}

void TestPassport::line() {
    QFETCH(int, kind);
    QFETCH(qlonglong, key);
    QFETCH(QString, line);
    QCOMPARE(documents::passport_line(connection_, {Kind(kind), key}), line);
}

void TestPassport::expenseRecipient_data() {
    QTest::addColumn<QVariant>("student");
    QTest::addColumn<QVariant>("teacher");
    QTest::addColumn<int>("kind");
    QTest::addColumn<qlonglong>("key");
    QTest::newRow("student first") << QVariant(20) << QVariant(10) << int(Kind::Student) << 20LL;
    QTest::newRow("staff") << QVariant() << QVariant(10) << int(Kind::Staff) << 10LL;
    QTest::newRow("applicant or free text") << QVariant() << QVariant() << int(Kind::None) << 0LL;
}

void TestPassport::expenseRecipient() {
    QFETCH(QVariant, student);
    QFETCH(QVariant, teacher);
    QFETCH(int, kind);
    QFETCH(qlonglong, key);
    const Recipient r = documents::recipient_of_expense(student, teacher);
    QCOMPARE(int(r.kind), kind);
    QCOMPARE(r.key, key);
}

void TestPassport::dialogFillsOnShow() {
    documents::TForm18 dialog(connection_, {Kind::Staff, 10});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Паспортные данные"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* edit = dialog.findChild<QLineEdit*>("Edit1");
    QCOMPARE(edit->text(), QStringLiteral("AN1234567 (MKK 50-01) от 01.02.2010 г."));
    // The cashier corrects the line; Enter confirms it.
    edit->setText(QStringLiteral("AN7654321 (MKK 50-02) от 01.02.2012 г."));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.text(), QStringLiteral("AN7654321 (MKK 50-02) от 01.02.2012 г."));
}

void TestPassport::closeBoxKeepsTheLine() {
    documents::TForm18 dialog(connection_, {Kind::Student, 20});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.close();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.text(), QStringLiteral("ID0000001 (MKK 50-01) от 19.06.2015 г."));
}

void TestPassport::failingStatementShowsError() {
    db::Connection closedConnection;
    test::ScriptedDialogs dialogs;
    dialogs.answer(ui::Button::Ok);
    documents::TForm18 dialog(closedConnection, {Kind::Student, 20});
    dialog.lookUp();
    QVERIFY(dialog.text().isEmpty());
    QCOMPARE(dialogs.calls(test::ScriptedDialogs::Kind::Message).size(), 1);
}

QTEST_MAIN(TestPassport)
#include "test_passport.moc"
