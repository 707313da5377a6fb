// The income page "Приход" and the expense page "Расход" on a demo database: the steps that open
// the payer choice, the rows the two registrations store, the documents they preview, the
// header of the expense order by setting 40, return mode and the form check.

#include "data/session_context.h"
#include "desk/payment_prelude.h"
#include "desk/tform1.h"
#include "documents/document_data.h"
#include "embedded/procedures.h"
#include "platform/report/page.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/db_lookup_combobox_eh.h"
#include "tests/desk/desk_fixture.h"

#include <QDateTimeEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace zur;
using test::pick;
using Kind = test::ScriptedDialogs::Kind;

namespace {

const int kCashDesk = 1;
const QString kFormIncomplete = QStringLiteral("вы заполнили не все поля!");

// The texts of a previewed document, by label name.
using Printed = QHash<QString, QString>;

Printed textsOf(const ui::Printable& document) {
    Printed texts;
    for (const report::Label& label : static_cast<const report::Page&>(document).labels()) {
        texts.insert(label.name, label.text);
    }
    return texts;
}

}  // namespace

class TestIncomeExpense : public QObject {
    Q_OBJECT

    std::unique_ptr<test::DeskFixture> fixture_;
    std::unique_ptr<test::ScriptedDialogs> dialogs_;
    std::unique_ptr<desk::TForm1> window_;
    Printed printed_;
    QString passportShown_;

    desk::TForm1& w() { return *window_; }

    void openWindow() {
        window_.reset();
        window_ = fixture_->openWindow(*dialogs_);
        QVERIFY(w().loggedIn());
    }

    // The newest row of `table` ("Payment" or "Expense"), column by name.
    QVariantMap lastRow(const QString& table, const QString& key) {
        const db::ResultSet result = fixture_->dm().ADOCon.query(
            QStringLiteral("SELECT * FROM %1 ORDER BY %2 DESC LIMIT 1").arg(table, key));
        QVariantMap row;
        for (int i = 0; i < result.columns.size(); ++i) {
            row.insert(result.columns[i].name.toLower(), result.rows.value(0).value(i));
        }
        return row;
    }

    int rowCount(const QString& table) {
        return fixture_->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
    }

    void fillPaymentGroup() {
        w().Vid_Oplaty_ComboBox->setKeyValue(1);
        w().Oplata_Edit->setText(QStringLiteral("1500"));
        w().Order_Edit->setText(QStringLiteral("501"));
        w().Osnovanie_RichEdit->setPlainText(QStringLiteral("Заявление"));
        w().Primechanie_RichEdit->setPlainText(QStringLiteral("За май"));
    }

    void expectPreview() {
        dialogs_->preview([this](const ui::Printable& document) { printed_ = textsOf(document); });
    }

    // The passport dialog: the cashier adds a word to the line found, which the order prints.
    void expectPassportDialog() {
        dialogs_->modal([this](QDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
            edit->setText(edit->text() + QStringLiteral(" проверен"));
            passportShown_ = edit->text();
            return int(QDialog::Accepted);
        });
    }

    // The income page with faculty 1 and the cash desk's income purpose; payer of `tag` chosen.
    // Returns the name the receipt must print.
    QString chooseIncomePayer(int tag) {
        w().PageControl1->setCurrentIndex(desk::kIncomePage);
        pick(w().Faculty_2_Lookup, 1);
        QRadioButton* buttons[] = {w().Student_RBtn, w().Teacher_RBtn, w().Dopol_RBtn,
                                   w().RadioButton4};
        buttons[tag - 1]->setChecked(true);
        switch (tag) {
            case 1: {
                auto* list = w().Student_2_Lookup;
                list->setKeyValue(list->list().keyAt(0));
                return list->currentText().section(QLatin1Char('('), 0, 0).trimmed();
            }
            case 2:
                w().Teacher_Lookup->setKeyValue(2);
                return QStringLiteral("Сыдыкова Гульмира Асановна");
            case 3:
                w().Dopol_edit->setText(QStringLiteral("ОсОО \"Ала-Too\""));
                return w().Dopol_edit->text();
            default: {
                auto* list = w().Slushatel_Lookup;
                list->setKeyValue(list->list().keyAt(0));
                return list->currentText();
            }
        }
    }

    // The expense page of the cash desk with the proposed year and purpose; recipient of `tag`.
    // Returns the name the order must print.
    QString chooseExpenseRecipient(int tag) {
        w().PageControl1->setCurrentIndex(desk::kExpensePage);
        pick(w().Expense_FacultyComboBox, kCashDesk);
        QRadioButton* buttons[] = {w().Expense_Student_RBtn, w().Expense_Teacher_RBtn,
                                   w().Expense_Dopol_RBtn, w().Expense_Abiturient_RBtn,
                                   w().Expense_slushatel_RBtn};
        buttons[tag - 1]->setChecked(true);
        ui::DBLookupComboBox* lists[] = {w().Expense_StudentComboBox, w().Expense_TeacherComboBox,
                                         nullptr, w().Expense_AbiturientComboBox,
                                         w().Expense_SlushatelComboBox};
        if (tag == 3) {
            w().Expense_DopolEdit->setText(QStringLiteral("Подотчётное лицо"));
            return w().Expense_DopolEdit->text();
        }
        ui::DBLookupComboBox* list = lists[tag - 1];
        list->setKeyValue(tag == 2 ? QVariant(2) : list->list().keyAt(0));
        return list->currentText();
    }

  private Q_SLOTS:
    void initTestCase() {
        fixture_ = std::make_unique<test::DeskFixture>(QStringLiteral("tst_ie.db"));
        // Two applicants of faculty 1 with a hyphenated surname, with and without a code.
        fixture_->execute(QStringLiteral(
            "INSERT INTO Abiturient (id_student, p1, p2, p3, idid, SerialPas, NumberPas, "
            "DateGivenPas, GivenPas) VALUES "
            "(901, 'Петрова-Водкина', 'Анна', 'Сергеевна', 'А-901', 'ID', '5000901', "
            "'2024-05-02 00:00:00', 1), "
            "(902, 'Кара-Мурза', 'Айбек', NULL, NULL, 'ID', '5000902', '2024-05-02 00:00:00', 1)"));
        fixture_->execute(
            QStringLiteral("INSERT INTO ReceptInfo (IDStudent, Faculties, Speciality) "
                           "VALUES (901, 1, 1), (902, 1, 1)"));
    }

    void init() {
        embedded::registerProcedures();
        dialogs_ = std::make_unique<test::ScriptedDialogs>();
        printed_.clear();
        passportShown_.clear();
        openWindow();
    }

    void cleanup() {
        window_.reset();
        QCOMPARE(dialogs_->pending(), 0);
        dialogs_.reset();
        fixture_->execute(
            QStringLiteral("UPDATE VuzDefaults SET id_field = 1 WHERE id_vuz_defaults = 40"));
    }

    void incomeStoresThePayerOfItsKind_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("payerColumn");
        QTest::newRow("student") << 1 << "id_student";
        QTest::newRow("employee") << 2 << "id_teacher";
        QTest::newRow("free text") << 3 << "dopol";
        QTest::newRow("listener") << 4 << "id_slushatel";
    }

    void incomeStoresThePayerOfItsKind() {
        QFETCH(int, tag);
        QFETCH(QString, payerColumn);
        const QString payer = chooseIncomePayer(tag);
        QVERIFY(w().Vid_Oplaty_ComboBox->isEnabled());
        fillPaymentGroup();
        expectPreview();
        w().AddBtnClick();

        const QVariantMap row = lastRow(QStringLiteral("Payment"), QStringLiteral("id_payment"));
        for (const char* person :
             {"id_student", "id_teacher", "dopol", "id_slushatel", "id_abiturient"}) {
            QCOMPARE(row.value(person).isNull(), payerColumn != QLatin1String(person));
        }
        if (tag == 4) {
            QCOMPARE(row.value("id_slushatel"),
                     fixture_->dm().ADOQ_slushatel2->value(QStringLiteral("id_student")));
        }
        QVERIFY(row.value("id_group_slushatel").isNull());  // an income names no listener group
        QVERIFY(row.value("id_a_year").isNull());           // nor a year
        QCOMPARE(row.value("id_oplata").toInt(), 2);
        QCOMPARE(row.value("id_faculty").toInt(), 1);
        QCOMPARE(row.value("id_kassa").toInt(), kCashDesk);
        QCOMPARE(row.value("id_uslug").toInt(), data::SessionContext::instance().income_purpose_id);
        QCOMPARE(row.value("p102").toDouble(), 1500.0);
        QCOMPARE(row.value("p104").toInt(), 501);
        QCOMPARE(row.value("osnovanie").toString(), QStringLiteral("Заявление"));
        QCOMPARE(row.value("primech").toString(), QStringLiteral("За май"));
        QCOMPARE(row.value("zur_user").toString(), QStringLiteral("kassir"));

        QCOMPARE(printed_.value("QR_StudentLbl"), payer);
        QCOMPARE(printed_.value("QR_Osnovanie_Lbl"), QStringLiteral("Заявление"));
        QCOMPARE(printed_.value("QRLabel4"), QStringLiteral("За май"));
        QCOMPARE(printed_.value("QR_Faculty_lbl"), QStringLiteral("Экономический факультет"));
        // The page starts again from the faculty list.
        QVERIFY(!w().Faculty_2_Lookup->hasValue());
        QVERIFY(w().Student_RBtn->isChecked());
        QVERIFY(!w().Student_2_Lookup->isEnabled());
        QVERIFY(!w().AddBtn->isEnabled());
        QVERIFY(w().Order_Edit->text().isEmpty());
    }

    void expenseStoresTheRecipientOfItsKind_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("recipientColumn");
        QTest::addColumn<bool>("passport");
        QTest::newRow("student") << 1 << "id_student" << true;
        QTest::newRow("employee") << 2 << "id_teacher" << true;
        QTest::newRow("free text") << 3 << "dopol" << false;
        QTest::newRow("applicant") << 4 << "id_abiturient" << true;
        QTest::newRow("listener") << 5 << "id_slushatel" << false;
    }

    void expenseStoresTheRecipientOfItsKind() {
        QFETCH(int, tag);
        QFETCH(QString, recipientColumn);
        QFETCH(bool, passport);
        const QString shown = chooseExpenseRecipient(tag);
        const QVariant year = w().DBLookupComboBox1->keyValue();
        QVERIFY(year.isValid());
        fillPaymentGroup();
        if (passport) {
            expectPassportDialog();
        }
        expectPreview();
        w().AddBtnClick();

        const QVariantMap row = lastRow(QStringLiteral("Expense"), QStringLiteral("id_expense"));
        for (const char* person :
             {"id_student", "id_teacher", "dopol", "id_abiturient", "id_slushatel"}) {
            QCOMPARE(row.value(person).isNull(), recipientColumn != QLatin1String(person));
        }
        db::DataSet& listeners = *fixture_->dm().ADOQ_slushatel2;
        QCOMPARE(row.value("id_group_slushatel").isNull(), tag != 5);
        if (tag == 5) {
            QCOMPARE(row.value("id_slushatel"), listeners.value(QStringLiteral("id_student")));
            QCOMPARE(row.value("id_group_slushatel"),
                     listeners.value(QStringLiteral("id_group_slushatel")));
        }
        QCOMPARE(row.value("id_a_year"), year);
        QCOMPARE(row.value("onul").toInt(), 0);
        QVERIFY(row.value("id_payment").isNull());
        QCOMPARE(row.value("p102").toDouble(), 1500.0);
        QCOMPARE(row.value("id_uslug").toInt(),
                 data::SessionContext::instance().expense_purpose_id);

        // The expense order: the basis carries the remark; the note is empty.
        QCOMPARE(printed_.value("QR_Osnovanie_Lbl"), QStringLiteral("Заявление\rЗа май"));
        QVERIFY(documents::document_data.note.isEmpty());
        if (tag == 1) {
            QCOMPARE(printed_.value("QR_StudentLbl"),
                     shown.section(QLatin1Char('('), 0, 0).trimmed());
        } else if (tag == 4) {
            QVERIFY(shown.endsWith(QStringLiteral(" ]")));
            QCOMPARE(printed_.value("QR_StudentLbl") + " - [ ",
                     shown.left(shown.indexOf(" - [ ") + 5));
        } else {
            QCOMPARE(printed_.value("QR_StudentLbl"), shown);
        }
        QCOMPARE(printed_.value("QRLabel23"), passportShown_);
        if (tag == 2) {
            QCOMPARE(passportShown_,
                     QStringLiteral("AN2345678 (МКК 211011) от 01.07.2016 г. проверен"));
        }
        // The page starts again from the cash desk list.
        QVERIFY(!w().Expense_FacultyComboBox->hasValue());
        QVERIFY(!w().DBLookupComboBox1->isEnabled());
        QVERIFY(w().Expense_Student_RBtn->isChecked());
        QVERIFY(!w().Expense_StudentComboBox->isEnabled());
        QVERIFY(!w().AddBtn->isEnabled());
    }

    void applicantNameIsPrintedWhole_data() {
        QTest::addColumn<int>("applicant");
        QTest::addColumn<QString>("printed");
        QTest::newRow("with code") << 901 << "Петрова-Водкина Анна Сергеевна";
        QTest::newRow("without code") << 902 << "Кара-Мурза Айбек";
    }

    void applicantNameIsPrintedWhole() {
        QFETCH(int, applicant);
        QFETCH(QString, printed);
        chooseExpenseRecipient(4);
        w().Expense_AbiturientComboBox->setKeyValue(applicant);
        fillPaymentGroup();
        expectPassportDialog();
        expectPreview();
        w().AddBtnClick();
        QCOMPARE(printed_.value("QR_StudentLbl"), printed);
        QCOMPARE(passportShown_,
                 QStringLiteral("ID5000%1 (МКК 50-01) от 02.05.2024 г. проверен").arg(applicant));
    }

    void settingFortyChoosesFacultyAndHeader_data() {
        QTest::addColumn<int>("setting");
        QTest::addColumn<QVariant>("faculty");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("cashDeskCaption");
        QTest::addColumn<QString>("cashDesk");
        QTest::newRow("off: the cash desk") << 0 << QVariant() << ""
                                            << "Касса:"
                                            << "Главная касса";
        QTest::newRow("on: the first faculty of the cash desk")
            << 1 << QVariant(1) << "Касса: Экономический факультет"
            << ""
            << "";
    }

    void settingFortyChoosesFacultyAndHeader() {
        QFETCH(int, setting);
        QFETCH(QVariant, faculty);
        QFETCH(QString, header);
        QFETCH(QString, cashDeskCaption);
        QFETCH(QString, cashDesk);
        fixture_->execute(
            QStringLiteral("UPDATE VuzDefaults SET id_field = %1 WHERE id_vuz_defaults = 40")
                .arg(setting));
        openWindow();
        QCOMPARE(w().DBLookupComboBox4->isHidden(), setting == 0);
        chooseExpenseRecipient(3);
        QCOMPARE(w().DBLookupComboBox4->keyValue(), faculty);
        fillPaymentGroup();
        expectPreview();
        w().AddBtnClick();

        const QVariantMap row = lastRow(QStringLiteral("Expense"), QStringLiteral("id_expense"));
        QCOMPARE(row.value("id_faculty").isNull(), faculty.isNull());
        if (!faculty.isNull()) {
            QCOMPARE(row.value("id_faculty").toInt(), faculty.toInt());
        }
        QCOMPARE(printed_.value("QRLabel10"), header);
        QCOMPARE(printed_.value("QRLabel25"), cashDeskCaption);
        QCOMPARE(printed_.value("QR_Faculty_lbl"), cashDesk);
    }

    void returnModeKeepsThePageAndRecordsThePayment() {
        chooseExpenseRecipient(3);
        fillPaymentGroup();
        const QVariant purpose = w().Expense_CellNaznachenie_ComboBox->keyValue();
        const int expensePurpose = data::SessionContext::instance().expense_purpose_id;
        w().return_mode = true;
        w().return_payment_id = 7;

        // What the return put into the page stays: no default purpose, no reset.
        w().Expense_CellNaznachenie_ComboBox->setKeyValue(6);
        w().DBLookupComboBox1Click();
        QCOMPARE(w().Expense_CellNaznachenie_ComboBox->keyValue().toInt(), 6);
        w().Expense_CellNaznachenie_ComboBoxClick();
        QCOMPARE(data::SessionContext::instance().expense_purpose_id, expensePurpose);
        w().Expense_CellNaznachenie_ComboBox->setKeyValue(purpose);
        w().Expense_DopolEdit->setText(QStringLiteral("Возврат оплаты"));
        fillPaymentGroup();
        w().Expense_DopolEdit->setText(QStringLiteral("Возврат оплаты Иванову"));
        QVERIFY(w().Vid_Oplaty_ComboBox->hasValue());
        QCOMPARE(w().Oplata_Edit->text(), QStringLiteral("1500"));

        // An expense that cannot be stored keeps the return for the next attempt.
        const int expenses = rowCount(QStringLiteral("Expense"));
        w().Order_Edit->setText(QStringLiteral("12a"));
        dialogs_->answer(ui::Button::Ok);
        w().runGuarded([this] { w().AddBtnClick(); });
        QCOMPARE(dialogs_->calls(Kind::Message).last().caption, QStringLiteral("Ошибка"));
        QCOMPARE(rowCount(QStringLiteral("Expense")), expenses);
        QVERIFY(w().return_mode);
        QCOMPARE(w().return_payment_id, 7);

        w().Order_Edit->setText(QStringLiteral("502"));
        expectPreview();
        w().AddBtnClick();
        const QVariantMap row = lastRow(QStringLiteral("Expense"), QStringLiteral("id_expense"));
        QCOMPARE(row.value("id_payment").toInt(), 7);
        QCOMPARE(row.value("dopol").toString(), QStringLiteral("Возврат оплаты Иванову"));
        QVERIFY(!w().return_mode);
        QCOMPARE(w().return_payment_id, 0);
    }

    void expenseYearIsTheCalendarYear() {
        w().serverClock = [] { return QDateTime(QDate(2025, 1, 15), QTime(10, 0)); };
        w().PageControl1->setCurrentIndex(desk::kExpensePage);
        pick(w().Expense_FacultyComboBox, kCashDesk);
        QCOMPARE(
            w().DBLookupComboBox1->keyValue(),
            fixture_->scalar(QStringLiteral("SELECT id_a_year FROM a_year WHERE sh_year = 25")));
        QVERIFY(w().Expense_CellNaznachenie_ComboBox->isEnabled());
        // The tuition page proposes the academic year that began in the autumn before.
        pick(w().Faculty_Lookup, 1);
        QCOMPARE(
            w().Year_Lookup->keyValue(),
            fixture_->scalar(QStringLiteral("SELECT id_a_year FROM a_year WHERE sh_year = 24")));
    }

    void radioButtonsPaintTheChosenField_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("other");
        QTest::newRow("income employee") << int(desk::kIncomePage) << 2 << "#9fca9f"
                                         << "#c0dcc0";
        QTest::newRow("expense applicant") << int(desk::kExpensePage) << 4 << "#fbc079"
                                           << "#fcd2a0";
        QTest::newRow("expense free text") << int(desk::kExpensePage) << 3 << "#fbc582"
                                           << "#fcd2a0";
    }

    void radioButtonsPaintTheChosenField() {
        QFETCH(int, page);
        QFETCH(int, tag);
        QFETCH(QString, chosen);
        QFETCH(QString, other);
        const QList<QWidget*> fields =
            page == desk::kIncomePage
                ? QList<QWidget*>{w().Student_2_Lookup, w().Teacher_Lookup, w().Dopol_edit,
                                  w().Slushatel_Lookup}
                : QList<QWidget*>{w().Expense_StudentComboBox, w().Expense_TeacherComboBox,
                                  w().Expense_DopolEdit, w().Expense_AbiturientComboBox,
                                  w().Expense_SlushatelComboBox};
        if (page == desk::kIncomePage) {
            w().Student_RBtnClick(tag);
        } else {
            w().Expense_Student_RBtnClick(tag);
        }
        for (int i = 0; i < fields.size(); ++i) {
            const bool isChosen = i == tag - 1;
            QCOMPARE(fields[i]->isEnabled(), isChosen);
            QVERIFY2(fields[i]->styleSheet().contains(isChosen ? chosen : other),
                     qPrintable(fields[i]->styleSheet()));
        }
        // The expense free-text edit keeps its dark blue text.
        QVERIFY(w().Expense_DopolEdit->styleSheet().contains(QStringLiteral("#00007d")) ||
                page == desk::kIncomePage);
    }

    void formCheckRefusesAnIncompleteRegistration_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("emptied");
        QTest::addColumn<QString>("message");
        const QString incomplete = kFormIncomplete;
        for (const int page : {int(desk::kIncomePage), int(desk::kExpensePage)}) {
            const char* prefix = page == desk::kIncomePage ? "income" : "expense";
            for (const char* field : {"purpose", "kind", "amount", "order", "payer"}) {
                QTest::addRow("%s without %s", prefix, field) << page << field << incomplete;
            }
            QTest::addRow("%s with an amount that is no number", prefix)
                << page << "bad amount" << desk::kAmountNotNumber;
        }
        QTest::newRow("expense without year") << int(desk::kExpensePage) << "year" << incomplete;
    }

    void formCheckRefusesAnIncompleteRegistration() {
        QFETCH(int, page);
        QFETCH(QString, emptied);
        QFETCH(QString, message);
        const bool income = page == desk::kIncomePage;
        if (income) {
            chooseIncomePayer(1);
        } else {
            chooseExpenseRecipient(1);
        }
        fillPaymentGroup();
        const QHash<QString, std::function<void()>> empty{
            {"purpose",
             [&] { (income ? w().Usluga_Lookup : w().Expense_CellNaznachenie_ComboBox)->clear(); }},
            {"kind", [&] { w().Vid_Oplaty_ComboBox->clear(); }},
            {"amount", [&] { w().Oplata_Edit->clear(); }},
            {"bad amount", [&] { w().Oplata_Edit->setText(QStringLiteral("12,5,0")); }},
            {"order", [&] { w().Order_Edit->clear(); }},
            {"payer",
             [&] { (income ? w().Student_2_Lookup : w().Expense_StudentComboBox)->clear(); }},
            {"year", [&] { w().DBLookupComboBox1->clear(); }},
        };
        empty.value(emptied)();
        const QString table = income ? QStringLiteral("Payment") : QStringLiteral("Expense");
        const int rows = rowCount(table);
        dialogs_->answer(ui::Button::Ok);
        w().AddBtnClick();
        const auto messages = dialogs_->calls(Kind::Message);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, message);
        QCOMPARE(messages[0].caption, QStringLiteral("Уведомление"));
        QCOMPARE(messages[0].icon, ui::Icon::Warning);
        QCOMPARE(rowCount(table), rows);
    }
};

QTEST_MAIN(TestIncomeExpense)
#include "tst_income_expense.moc"
