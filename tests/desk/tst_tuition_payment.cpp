// The tuition payment of the desk on a demo database, through the main window with scripted
// dialogs: what is stored, what the receipt shows, the carry-over offer and the failures.

#include "data/session_context.h"
#include "desk/payment_prelude.h"
#include "desk/tform1.h"
#include "desk/tform19.h"
#include "desk/tuition_payment.h"
#include "embedded/procedures.h"
#include "platform/db/connection.h"
#include "platform/report/page.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/db_lookup_combobox_eh.h"
#include "tests/desk/desk_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace zur;
using desk::TuitionPayment;
using test::pick;
using Kind = test::ScriptedDialogs::Kind;

namespace {

const QString kDbName = QStringLiteral("tuition.db");
constexpr int kCurrentYear = 7;    // the demo's academic year running today
constexpr int kTuition = 1;        // the cash desk's tuition purpose, a tuition fee, here 0 % / 0 %
constexpr int kEntryFee = 4;       // 5 % / 5 %, no tuition fee
constexpr int kOtherIncome = 8;    // 0 % / 0 %, no tuition fee
constexpr int kTenToNothing = 21;  // 10 % / 0 %, added here
constexpr int kForeignGroup = 900;  // a group of a faculty no cash desk serves: no contract line

// What the receipt said, kept while the preview was shown.
struct Receipt {
    bool shown = false;
    QString total, sum1, sum2, note, payer, transfer;
    bool transferEnabled = false;
};

}  // namespace

class TestTuitionPayment : public QObject {
    Q_OBJECT

    std::unique_ptr<test::DeskFixture> fixture_;
    std::unique_ptr<test::ScriptedDialogs> dialogs_;
    std::unique_ptr<desk::TForm1> window_;
    Receipt receipt_;

    desk::TForm1& w() { return *window_; }

    // Native statements (triggers) on a connection of the test's own.
    void native(const QString& script) {
        db::Connection connection;
        connection.setConnectionString(
            QStringLiteral("Data Source=sqlite:") +
            QDir(QCoreApplication::applicationDirPath()).filePath(kDbName));
        connection.open();
        connection.runNativeScript(script);
    }

    QVariant scalar(const QString& sql) { return fixture_->scalar(sql); }
    int lastPayment() {
        return scalar(QStringLiteral("SELECT max(id_payment) FROM Payment")).toInt();
    }
    QVariant paymentColumn(int id, const QString& column) {
        return scalar(
            QStringLiteral("SELECT %1 FROM Payment WHERE id_payment = %2").arg(column).arg(id));
    }
    int transfersOf(int payment) {
        return scalar(QStringLiteral("SELECT count(*) FROM PaymentTransfer WHERE id_payment = %1")
                          .arg(payment))
            .toInt();
    }

    // The cashier's last steps: amount, order number, basis.
    void fillPayment(const QString& amount) {
        w().Oplata_Edit->setText(amount);
        w().Order_Edit->setText(QStringLiteral("77"));
        w().Osnovanie_RichEdit->setPlainText(QStringLiteral("Договор"));
    }

    // Faculty 1, the current year, speciality 1, `course`, its first group (or `group`), a
    // student other than the two with privileges; the faculty's default purpose is proposed.
    int walkToStudent(int course, int group = 0) {
        pick(w().Faculty_Lookup, 1);
        pick(w().Speciality_Lookup, 1);
        pick(w().Rate_ComboBox, course);
        if (group != 0) {
            pick(w().Group_ComboBox, group);
        }
        const ui::LookupList& students = w().Student_Lookup->list();
        for (int row = 0; row < students.rowCount(); ++row) {
            const int id = students.keyAt(row).toInt();
            if (id != 1 && id != 3) {
                w().Student_Lookup->setKeyValue(id);
                return id;
            }
        }
        return 0;
    }

    // The contract of the chosen student's course and what was paid on it.
    void setContract(int student, double price, double paid) {
        const QString course = QStringLiteral("id_group = %1 AND id_rate = %2")
                                   .arg(w().Group_ComboBox->keyValue().toInt())
                                   .arg(w().Rate_ComboBox->keyValue().toInt());
        fixture_->execute(QStringLiteral("UPDATE Groups_payment SET price = %1 WHERE %2 AND "
                                         "id_a_year = %3")
                              .arg(price)
                              .arg(course)
                              .arg(kCurrentYear));
        fixture_->execute(QStringLiteral("DELETE FROM Payment WHERE id_student = %1").arg(student));
        fixture_->execute(
            QStringLiteral("INSERT INTO Payment (id_student, id_a_year, id_uslug, p102, "
                           "id_group, id_rate) SELECT %1, %2, %3, %4, id_group, id_rate "
                           "FROM Groups_payment WHERE %5 AND id_a_year = %2")
                .arg(student)
                .arg(kCurrentYear)
                .arg(kTuition)
                .arg(paid)
                .arg(course));
    }

    void expectReceipt() {
        dialogs_->preview([this](const ui::Printable& printable) {
            const auto& page = dynamic_cast<const report::Page&>(printable);
            receipt_.shown = true;
            receipt_.total = page.text("QR_Sum_Lbl");
            receipt_.sum1 = page.text("QR_Sum2_lbl");
            receipt_.sum2 = page.text("QRSum_3_Lbl");
            receipt_.note = page.text("QRLabel4");
            receipt_.payer = page.text("QR_StudentLbl");
            receipt_.transfer = page.text("QRLabel30");
            receipt_.transferEnabled = page.find("QRLabel30")->enabled;
        });
    }

    void pay() {
        QVERIFY(w().AddBtn->isEnabled());
        w().AddBtn->click();
    }

    QString yearName(int id) {
        return scalar(QStringLiteral("SELECT p32 FROM a_year WHERE id_a_year = %1").arg(id))
            .toString();
    }

  private Q_SLOTS:
    void initTestCase() {
        fixture_ = std::make_unique<test::DeskFixture>(kDbName);
        fixture_->execute(
            QStringLiteral("UPDATE uslugi SET proc1 = 0, proc2 = 0 WHERE id_uslug = 1"));
        fixture_->execute(QStringLiteral(
            "INSERT INTO uslugi (id_uslug, uslugi, is_visible, proc1, proc2, id_shet, id_kassa) "
            "VALUES (21, 'Оплата за справку', 1, 10, 0, 2, 1)"));
        // A group of a faculty no cash desk serves: its students have no contract line.
        fixture_->execute(
            QStringLiteral("INSERT INTO [group] (id_group, p20, id_faculty) VALUES "
                           "(900, 'ЯЯ-9', 99)"));
        fixture_->execute(
            QStringLiteral("INSERT INTO Groups_payment (id_group, id_rate, id_a_year, "
                           "id_speciality, p20, price) VALUES (900, 1, 7, 1, 'ЯЯ-9', 100)"));
        fixture_->execute(
            QStringLiteral("INSERT INTO movement_t (id_student, id_group, id_rate) "
                           "VALUES (31, 900, 1)"));
    }

    void init() {
        embedded::registerProcedures();
        receipt_ = {};
        dialogs_ = std::make_unique<test::ScriptedDialogs>();
        window_ = fixture_->openWindow(*dialogs_);
        QVERIFY(w().loggedIn());
    }

    void cleanup() {
        window_.reset();
        QCOMPARE(dialogs_->pending(), 0);
        dialogs_.reset();
    }

    void contract_data() {
        QTest::addColumn<int>("course");
        QTest::addColumn<int>("group");
        QTest::addColumn<double>("price");
        QTest::addColumn<double>("paid");
        QTest::addColumn<int>("purpose");
        QTest::addColumn<int>("answer");      // the offer: -1 not made, QDialog result otherwise
        QTest::addColumn<int>("chosenYear");  // 0: the proposal
        QTest::addColumn<bool>("lastCourse");
        QTest::addColumn<QString>("carried");  // "" : no transfer
        QTest::addColumn<int>("carriedTo");
        QTest::addColumn<int>("carriedCourse");
        const int no = -1;
        QTest::newRow("no contract line")
            << 1 << kForeignGroup << 0.0 << 0.0 << kTuition << no << 0 << false << "" << 0 << 0;
        QTest::newRow("price equals paid plus amount: no offer")
            << 1 << 0 << 20000.0 << 14000.0 << kTuition << no << 0 << false << "" << 0 << 0;
        QTest::newRow("overpayment carried to the next year")
            << 1 << 0 << 20000.0 << 15000.0 << kTuition << int(QDialog::Accepted) << 0 << false
            << "   1000,00" << kCurrentYear + 1 << 2;
        QTest::newRow("overpayment refused")
            << 1 << 0 << 20000.0 << 15000.0 << kTuition << int(QDialog::Rejected) << 0 << false
            << "" << 0 << 0;
        QTest::newRow("another year chosen")
            << 1 << 0 << 20000.0 << 15000.0 << kTuition << int(QDialog::Accepted) << 5 << false
            << "   1000,00" << 5 << 0;
        QTest::newRow("course already paid beyond the contract: the payment at most")
            << 1 << 0 << 20000.0 << 21000.0 << kTuition << int(QDialog::Accepted) << 0 << false
            << "   6000,00" << kCurrentYear + 1 << 2;
        QTest::newRow("no tuition fee: never compared")
            << 1 << 0 << 20000.0 << 15000.0 << kOtherIncome << no << 0 << false << "" << 0 << 0;
        QTest::newRow("last course: warning, no transfer")
            << 4 << 0 << 20000.0 << 15000.0 << kTuition << no << 0 << true << "" << 0 << 0;
    }

    void contract() {
        QFETCH(int, course);
        QFETCH(int, group);
        QFETCH(double, price);
        QFETCH(double, paid);
        QFETCH(int, purpose);
        QFETCH(int, answer);
        QFETCH(int, chosenYear);
        QFETCH(bool, lastCourse);
        QFETCH(QString, carried);
        QFETCH(int, carriedTo);
        QFETCH(int, carriedCourse);

        const int student = walkToStudent(course, group);
        QVERIFY(student != 0);
        if (group == 0) {
            setContract(student, price, paid);
        }
        if (purpose != kTuition) {
            pick(w().Uslug_DBLookupComboBox, purpose);
        }
        fillPayment(QStringLiteral("6000"));
        if (lastCourse) {
            dialogs_->answer(ui::Button::Ok);
        }
        QString offered;
        QVariant proposed;
        if (answer != -1) {
            dialogs_->modal([&](QDialog& dialog) {
                auto& offer = dynamic_cast<desk::TForm19&>(dialog);
                offered = offer.Edit1->text();
                proposed = offer.Year_Lookup->keyValue();
                if (chosenYear != 0) {
                    offer.Year_Lookup->setKeyValue(chosenYear);
                }
                return answer;
            });
        }
        expectReceipt();
        const int before = lastPayment();
        pay();

        if (lastCourse) {
            const auto messages = dialogs_->calls(Kind::Message);
            QCOMPARE(messages.size(), 1);
            QCOMPARE(messages[0].text, TuitionPayment::kLastCourse);
        }
        if (answer != -1) {
            QCOMPARE(offered, carried.isEmpty() ? QStringLiteral("   1000,00") : carried);
            QCOMPARE(proposed.toInt(), kCurrentYear + 1);
        }
        const int id = lastPayment();
        QCOMPARE(id, before + 1);
        QCOMPARE(paymentColumn(id, "p102").toDouble(), 6000.0);
        QCOMPARE(paymentColumn(id, "id_student").toInt(), student);
        QCOMPARE(paymentColumn(id, "id_rate").toInt(), course);
        QCOMPARE(paymentColumn(id, "id_a_year").toInt(), kCurrentYear);
        QVERIFY(receipt_.shown);
        if (carried.isEmpty()) {
            QCOMPARE(transfersOf(id), 0);
            QVERIFY(!receipt_.transferEnabled);
            return;
        }
        QCOMPARE(transfersOf(id), 1);
        const QString where = QStringLiteral(" FROM PaymentTransfer WHERE id_payment = %1").arg(id);
        QCOMPARE(scalar("SELECT p102NewSpec" + where).toDouble(), desk::money_value(carried));
        QCOMPARE(scalar("SELECT id_NewYear" + where).toInt(), carriedTo);
        QCOMPARE(scalar("SELECT id_newRate" + where).toInt(), carriedCourse);
        QCOMPARE(scalar("SELECT id_newSpecP102" + where).toInt(), 1);
        QCOMPARE(scalar("SELECT id_newGroup" + where), paymentColumn(id, "id_group"));
        QVERIFY(receipt_.transferEnabled);
        QCOMPARE(receipt_.transfer, carried + QStringLiteral(" сом переводится на ") +
                                        yearName(carriedTo) + QStringLiteral(" уч.год."));
    }

    void split_data() {
        QTest::addColumn<int>("purpose");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("sum1");
        QTest::addColumn<QString>("sum2");
        QTest::addColumn<QString>("total");
        QTest::newRow("1050 at 5/5") << kEntryFee << "1050"
                                     << "   1000,00"
                                     << "     50,00"
                                     << "   1050,00";
        QTest::newRow("1100 at 10/0: the total is the first part") << kTenToNothing << "1100"
                                                                   << "   1000,00"
                                                                   << "      0,00"
                                                                   << "   1000,00";
        QTest::newRow("point typed as decimal separator") << kOtherIncome << "12.5"
                                                          << "     12,50"
                                                          << "      0,00"
                                                          << "     12,50";
    }

    void split() {
        QFETCH(int, purpose);
        QFETCH(QString, amount);
        QFETCH(QString, sum1);
        QFETCH(QString, sum2);
        QFETCH(QString, total);
        walkToStudent(1);
        pick(w().Uslug_DBLookupComboBox, purpose);
        fillPayment(amount);
        expectReceipt();
        pay();
        QCOMPARE(receipt_.sum1, sum1);
        QCOMPARE(receipt_.total, total);
        QCOMPARE(paymentColumn(lastPayment(), "p102").toDouble(), desk::money_value(total));
        if (desk::money_value(sum2) != 0) {
            QCOMPARE(receipt_.sum2, sum2);
        }
    }

    void amountNotNumber_data() {
        QTest::addColumn<QString>("amount");
        QTest::newRow("lone comma") << ",";
        QTest::newRow("two commas") << "1,,5";
        QTest::newRow("comma and point") << "1,2.5";
    }

    void amountNotNumber() {
        QFETCH(QString, amount);
        walkToStudent(1);
        fillPayment(amount);
        dialogs_->answer(ui::Button::Ok);
        const int before = lastPayment();
        pay();
        QCOMPARE(dialogs_->calls(Kind::Message).at(0).text, desk::kAmountNotNumber);
        QCOMPARE(lastPayment(), before);
        QVERIFY(w().Student_Lookup->hasValue());  // the cashier corrects and presses again
    }

    void applicant_data() {
        QTest::addColumn<int>("applicant");
        QTest::addColumn<int>("purpose");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("stored");  // the total rounded, halves to even
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("the cash desk's tuition purpose")
            << 1 << kTuition << "2000,5" << 2000 << true;
        QTest::newRow("another purpose") << 7 << kEntryFee << "1050" << 1050 << false;
    }

    void applicant() {
        QFETCH(int, applicant);
        QFETCH(int, purpose);
        QFETCH(QString, amount);
        QFETCH(int, stored);
        QFETCH(bool, confirmed);
        pick(w().Faculty_Lookup, 1);
        w().PageControl2->setCurrentIndex(desk::kApplicantSubPage);
        pick(w().Ab_Speciality_Lookup, 1);
        w().Ab_Student_Lookup->setKeyValue(applicant);
        QCOMPARE(w().Uslug_DBLookupComboBox->keyValue().toInt(), kTuition);
        if (purpose != kTuition) {
            pick(w().Uslug_DBLookupComboBox, purpose);
        }
        fillPayment(amount);
        expectReceipt();
        pay();

        const int id = lastPayment();
        QCOMPARE(paymentColumn(id, "id_abiturient").toInt(), applicant);
        QCOMPARE(paymentColumn(id, "id_speciality").toInt(), 1);
        QCOMPARE(paymentColumn(id, "id_rate").toInt(), 1);
        QVERIFY(paymentColumn(id, "id_student").isNull());
        const QString row = QStringLiteral(" FROM ReceptInfo WHERE IDStudent = %1").arg(applicant);
        QCOMPARE(scalar("SELECT Payment_fr_kass" + row).toInt(), stored);
        QCOMPARE(scalar("SELECT date(DatePayment_fr_kass)" + row).toString(),
                 QDate::currentDate().toString(Qt::ISODate));
        QCOMPARE(scalar("SELECT confirm_date_for_reccept" + row).toBool(), confirmed);
        QCOMPARE(scalar("SELECT pay" + row).toBool(), confirmed);
        QCOMPARE(scalar("SELECT DateResept IS NOT NULL" + row).toBool(), confirmed);
        QVERIFY(receipt_.note.startsWith(QStringLiteral("На 1 курс за ") + yearName(kCurrentYear) +
                                         QStringLiteral(" уч. год. \r")));
        // The database enrols an applicant whose fee is marked paid.
        QCOMPARE(scalar(QStringLiteral("SELECT isStudent FROM Abiturient WHERE id_student = %1")
                            .arg(applicant))
                     .toBool(),
                 confirmed);
    }

    void enrolledApplicantRefused() {
        // Applicant 10 paid and was enrolled; the desk still lists the applicant.
        pick(w().Faculty_Lookup, 2);
        w().PageControl2->setCurrentIndex(desk::kApplicantSubPage);
        pick(w().Ab_Speciality_Lookup, 4);
        w().Ab_Student_Lookup->setKeyValue(10);
        QVERIFY(w().Ab_Student_Lookup->hasValue());
        fillPayment(QStringLiteral("500"));
        dialogs_->answer(ui::Button::Ok);
        const int before = lastPayment();
        const QVariant paidBefore =
            scalar(QStringLiteral("SELECT Payment_fr_kass FROM ReceptInfo WHERE IDStudent = 10"));
        pay();
        QCOMPARE(dialogs_->calls(Kind::Message).at(0).text, TuitionPayment::kAlreadyEnrolled);
        QCOMPARE(lastPayment(), before);
        QCOMPARE(
            scalar(QStringLiteral("SELECT Payment_fr_kass FROM ReceptInfo WHERE IDStudent = 10")),
            paidBefore);
    }

    void listenerPayment() {
        pick(w().Faculty_Lookup, 1);
        w().PageControl2->setCurrentIndex(desk::kListenerSubPage);
        pick(w().DBLookupComboBox3, 1);
        QVERIFY(w().DBLookupComboBox2->list().rowCount() > 0);
        const int listener = w().DBLookupComboBox2->list().keyAt(0).toInt();
        pick(w().DBLookupComboBox2, listener);
        fillPayment(QStringLiteral("6000"));
        expectReceipt();
        pay();
        const int id = lastPayment();
        QCOMPARE(paymentColumn(id, "id_slushatel").toInt(), listener);
        QCOMPARE(paymentColumn(id, "id_group_slushatel").toInt(), 1);
        for (const char* column : {"id_speciality", "id_rate", "id_group", "id_student"}) {
            QVERIFY2(paymentColumn(id, column).isNull(), column);
        }
        QCOMPARE(receipt_.note, QStringLiteral("На курсы в группе 'Курсы английского языка'"));
    }

    void formIncompleteStoresNothing() {
        walkToStudent(1);
        fillPayment(QStringLiteral("100"));
        w().Order_Edit->clear();
        w().Osnovanie_RichEdit->setPlainText(QStringLiteral("Договор"));
        dialogs_->answer(ui::Button::Ok);
        const int before = lastPayment();
        w().AddBtn->setEnabled(true);
        pay();
        QCOMPARE(dialogs_->calls(Kind::Message).at(0).text, TuitionPayment::kFormIncomplete);
        QCOMPARE(lastPayment(), before);
    }

    void resetWithBarcodeBox() {
        w().show();
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        // The barcode entry switched on: the box ticked, its field open.
        w().CheckBox1->setChecked(true);
        w().Edit2->setEnabled(true);
        walkToStudent(1);
        fillPayment(QStringLiteral("100"));
        w().Order_Edit2->setText(QStringLiteral("Т-1"));
        expectReceipt();
        pay();
        QVERIFY(receipt_.shown);
        QVERIFY(!w().Faculty_Lookup->hasValue());
        QVERIFY(!w().Year_Lookup->isEnabled());
        QVERIFY(!w().Student_Lookup->isEnabled());
        QVERIFY(!w().Student_Lookup->hasValue());
        QVERIFY(!w().Oplata_Edit->isEnabled());
        QVERIFY(w().Oplata_Edit->text().isEmpty());
        QVERIFY(w().Order_Edit2->text().isEmpty());
        QVERIFY(!w().AddBtn->isEnabled());
        QCOMPARE(w().Osnovanie_RichEdit->toPlainText(), QStringLiteral("Договор"));
        QCOMPARE(w().focusWidget(), static_cast<QWidget*>(w().Edit2));
        QCOMPARE(paymentColumn(lastPayment(), "p104_1").toString(), QStringLiteral("Т-1"));
    }

    void failingTransferStoresNothing() {
        native(
            QStringLiteral("CREATE TRIGGER refuse_transfer BEFORE INSERT ON PaymentTransfer "
                           "BEGIN SELECT RAISE(ABORT, 'transfer refused'); END;"));
        const int student = walkToStudent(1);
        setContract(student, 20000, 15000);
        fillPayment(QStringLiteral("6000"));
        dialogs_->modal([](QDialog&) { return int(QDialog::Accepted); });
        dialogs_->answer(ui::Button::Ok);
        const int before = lastPayment();
        pay();
        native(QStringLiteral("DROP TRIGGER refuse_transfer;"));

        const auto messages = dialogs_->calls(Kind::Message);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].caption, QStringLiteral("Ошибка"));
        QVERIFY(messages[0].text.contains(QStringLiteral("transfer refused")));
        QCOMPARE(lastPayment(), before);
        QVERIFY(dialogs_->calls(Kind::Preview).isEmpty());
        QVERIFY(w().Student_Lookup->hasValue());  // the window is left as it was

        // The amount announced for that payment is not announced on the next receipt.
        pick(w().Uslug_DBLookupComboBox, kOtherIncome);
        fillPayment(QStringLiteral("100"));
        expectReceipt();
        pay();
        QVERIFY(!receipt_.transferEnabled);
    }
};

QTEST_MAIN(TestTuitionPayment)
#include "tst_tuition_payment.moc"
