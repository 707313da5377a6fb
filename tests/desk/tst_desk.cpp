// The main window on a demo database: the tuition cascade, the payment group, the order numbers,
// the keys, the page changes and the activation rule.

#include "data/session_context.h"
#include "desk/tform1.h"
#include "embedded/procedures.h"
#include "platform/db/procedures.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/db_lookup_combobox_eh.h"
#include "platform/ui/db_lookup_list_box.h"
#include "platform/ui/db_text.h"
#include "tests/desk/desk_fixture.h"

#include <QCheckBox>
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

// What the scripted numbering procedures answer and what they were asked.
struct ScriptedNumbers {
    std::optional<QVariant> highest;  // GetNum's p104; nullopt: no row
    QStringList additional;           // GetThreeNums ..., 0
    QVector<QVariantList> getNumCalls;
    QVector<QVariantList> threeNumsCalls;
    bool fail = false;
};
ScriptedNumbers numbers;

QVariantList arguments(const db::ProcedureArgs& args, int count) {
    QVariantList values;
    for (int i = 0; i < count; ++i) {
        values.append(args.get(i, {}));
    }
    return values;
}

void registerScriptedNumbers() {
    numbers = ScriptedNumbers{};
    db::registerProcedure(QStringLiteral("GetNum"),
                          [](db::ProcedureContext&, const db::ProcedureArgs& args) {
                              numbers.getNumCalls.append(arguments(args, 4));
                              if (numbers.fail) {
                                  throw db::DbError(QStringLiteral("Could not find GetNum."));
                              }
                              db::ResultSet result;
                              result.columns.append({QStringLiteral("p104"), {}});
                              if (numbers.highest) {
                                  result.rows.append({*numbers.highest});
                              }
                              return result;
                          });
    db::registerProcedure(QStringLiteral("GetThreeNums"),
                          [](db::ProcedureContext&, const db::ProcedureArgs& args) {
                              numbers.threeNumsCalls.append(arguments(args, 4));
                              db::ResultSet result;
                              result.columns.append({QStringLiteral("p104"), {}});
                              if (args.get(3, {}).toInt() == 0) {
                                  for (const QString& number : numbers.additional) {
                                      result.rows.append({number});
                                  }
                              } else {
                                  result.rows.append({QStringLiteral("40")});
                                  result.rows.append({QStringLiteral("41")});
                              }
                              return result;
                          });
}

// A date argument as the procedure received it (the database layer stores dates as ISO text).
QDate dateOf(const QVariant& argument) {
    const QDateTime iso = QDateTime::fromString(argument.toString(), Qt::ISODate);
    return iso.isValid() ? iso.date()
                         : QDate::fromString(argument.toString(), QStringLiteral("dd.MM.yyyy"));
}

}  // namespace

class TestDesk : public QObject {
    Q_OBJECT

    std::unique_ptr<test::DeskFixture> fixture_;
    std::unique_ptr<test::ScriptedDialogs> dialogs_;
    std::unique_ptr<desk::TForm1> window_;
    int currentYearId_ = 0;  // the academic year running today

    desk::TForm1& w() { return *window_; }

    int yearIdOf(int startYear) {
        return fixture_
            ->scalar(QStringLiteral("SELECT id_a_year FROM a_year WHERE u_god = %1").arg(startYear))
            .toInt();
    }

    // Faculty 1, today's year, speciality 1, course 1: the first group and its students.
    void walkToGroup() {
        pick(w().Faculty_Lookup, 1);
        pick(w().Speciality_Lookup, 1);
        pick(w().Rate_ComboBox, 1);
    }

    void walkToStudent() {
        walkToGroup();
        QVERIFY(w().Student_Lookup->list().rowCount() > 0);
        w().Student_Lookup->setKeyValue(w().Student_Lookup->list().keyAt(0));
    }

    void showActive() {
        w().show();
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
    }

  private Q_SLOTS:
    void initTestCase() {
        fixture_ = std::make_unique<test::DeskFixture>(QStringLiteral("tst_desk.db"));
        const QDate today = QDate::currentDate();
        currentYearId_ = yearIdOf(today.month() >= 9 ? today.year() : today.year() - 1);
    }

    void init() {
        embedded::registerProcedures();
        dialogs_ = std::make_unique<test::ScriptedDialogs>();
        window_ = fixture_->openWindow(*dialogs_);
        QVERIFY(w().loggedIn());
        fixture_->dm().ADOT_V_Opl->first();  // no kind chosen yet in this run
    }

    void cleanup() {
        window_.reset();
        QCOMPARE(dialogs_->pending(), 0);
        dialogs_.reset();
        embedded::registerProcedures();
    }

    void creationLeavesOnlyTheFirstListsEnabled() {
        QVERIFY(w().windowTitle().startsWith(QStringLiteral("ZUR 10 V8 [ ")));
        QCOMPARE(w().size(), QSize(697, 720));
        QCOMPARE(w().PageControl2->currentIndex(), int(desk::kStudentSubPage));
        QVERIFY(w().Faculty_Lookup->isEnabled());
        QVERIFY(w().Order_Edit2->isEnabled());
        QVERIFY(w().CheckBox4->isEnabled());
        for (QWidget* closed : std::initializer_list<QWidget*>{
                 w().Year_Lookup, w().Uslug_DBLookupComboBox, w().Speciality_Lookup,
                 w().Rate_ComboBox, w().Group_ComboBox, w().Student_Lookup, w().Vid_Oplaty_ComboBox,
                 w().Oplata_Edit, w().DateTimePicker, w().Order_Edit, w().Osnovanie_RichEdit,
                 w().AddBtn}) {
            QVERIFY2(!closed->isEnabled(), qPrintable(closed->objectName()));
        }
        QCOMPARE(w().DateTimePicker->time(), QTime(14, 40, 11, 734));
    }

    void cascadeReachesAStudentWithPurposeAndKindProposed() {
        walkToStudent();
        QCOMPARE(w().Year_Lookup->keyValue().toInt(), currentYearId_);
        QCOMPARE(w().selected_speciality_id, 1);
        QVERIFY(w().Group_ComboBox->hasValue());
        QCOMPARE(w().Uslug_DBLookupComboBox->keyValue().toInt(), 1);  // the faculty's default
        QVERIFY(w().Uslug_DBLookupComboBox->isEnabled());
        QCOMPARE(w().Vid_Oplaty_ComboBox->keyValue().toInt(), 1);  // the first kind of the list
        QVERIFY(w().Oplata_Edit->isEnabled());
        QVERIFY(!w().DateTimePicker->isEnabled());
        QVERIFY(!w().Order_Edit->isEnabled());

        // The payment group opens field by field, and the basis enables the button.
        w().Oplata_Edit->setText(QStringLiteral("100"));
        QVERIFY(w().DateTimePicker->isEnabled());
        QVERIFY(w().Order_Edit->isEnabled());
        w().draw_order_number();
        QVERIFY(w().Order_Edit->text().toInt() > 0);
        QVERIFY(w().Osnovanie_RichEdit->isEnabled());
        QVERIFY(!w().AddBtn->isEnabled());
        w().Osnovanie_RichEdit->setPlainText(QStringLiteral("Договор"));
        QVERIFY(w().AddBtn->isEnabled());

        // A new faculty clears everything after it, the basis text excepted.
        pick(w().Faculty_Lookup, 2);
        QVERIFY(!w().Student_Lookup->hasValue());
        QVERIFY(!w().Vid_Oplaty_ComboBox->hasValue());
        QVERIFY(w().Order_Edit->text().isEmpty());
        QVERIFY(!w().AddBtn->isEnabled());
        QCOMPARE(w().Osnovanie_RichEdit->toPlainText(), QStringLiteral("Договор"));
    }

    void lastChosenKindIsProposed() {
        walkToStudent();
        pick(w().Vid_Oplaty_ComboBox, 3);
        w().Student_Lookup->setKeyValue(w().Student_Lookup->list().keyAt(1));
        QCOMPARE(w().Vid_Oplaty_ComboBox->keyValue().toInt(), 3);
    }

    void defaultYearFollowsTheFirstOfSeptember_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("startYearOffset");  // from the calendar year of the date
        QTest::newRow("31 August") << 8 << 31 << -1;
        QTest::newRow("1 September") << 9 << 1 << 0;
        QTest::newRow("15 January") << 1 << 15 << -1;
    }

    void defaultYearFollowsTheFirstOfSeptember() {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, startYearOffset);
        const int year = QDate::currentDate().year();
        w().serverClock = [&] { return QDateTime(QDate(year, month, day), QTime(10, 0)); };
        pick(w().Faculty_Lookup, 1);
        QCOMPARE(w().Year_Lookup->keyValue().toInt(), yearIdOf(year + startYearOffset));
        QCOMPARE(w().default_year_id.value_or(0), yearIdOf(year + startYearOffset));
    }

    void serverDateComesFromTheServer() {
        pick(w().Faculty_Lookup, 1);
        QCOMPARE(w().Year_Lookup->keyValue().toInt(), currentYearId_);
    }

    void lastChosenYearIsProposedForTheNextFaculty() {
        int clockReads = 0;
        w().serverClock = [&] {
            ++clockReads;
            return QDateTime::currentDateTime();
        };
        pick(w().Faculty_Lookup, 1);
        const int earlier = currentYearId_ - 2;
        pick(w().Year_Lookup, earlier);
        pick(w().Faculty_Lookup, 2);
        QCOMPARE(w().Year_Lookup->keyValue().toInt(), earlier);
        QCOMPARE(clockReads, 1);
        QVERIFY(w().Speciality_Lookup->isEnabled());
    }

    void courseChoosesItsFirstGroup_data() {
        QTest::addColumn<bool>("secondGroup");
        QTest::newRow("one group") << false;
        QTest::newRow("two groups: the first by name") << true;
    }

    void courseChoosesItsFirstGroup() {
        QFETCH(bool, secondGroup);
        const int group = fixture_
                              ->scalar(QStringLiteral("SELECT id_group FROM Groups_payment WHERE "
                                                      "id_speciality = 1 AND id_rate = 1 "
                                                      "AND id_a_year = %1")
                                           .arg(currentYearId_))
                              .toInt();
        QVERIFY(group > 0);
        if (secondGroup) {
            fixture_->execute(QStringLiteral(
                "INSERT INTO [group] (id_group, p20, id_faculty) VALUES (9001, 'АА-1', 1)"));
            fixture_->execute(
                QStringLiteral(
                    "INSERT INTO Groups_payment (id_group, id_rate, id_a_year, id_speciality, p20, "
                    "price) VALUES (9001, 1, %1, 1, 'АА-1', 1000)")
                    .arg(currentYearId_));
        }
        walkToGroup();
        if (secondGroup) {
            fixture_->execute(QStringLiteral("DELETE FROM Groups_payment WHERE id_group = 9001"));
            fixture_->execute(QStringLiteral("DELETE FROM [group] WHERE id_group = 9001"));
        }
        QVERIFY(w().Group_ComboBox->isEnabled());
        QCOMPARE(w().Group_ComboBox->keyValue().toInt(), secondGroup ? 9001 : group);
        QCOMPARE(w().Student_Lookup->isEnabled(), true);
        QCOMPARE(w().Student_Lookup->list().rowCount() > 0, !secondGroup);
    }

    void courseWithoutGroupsLeavesTheGroupListClosed() {
        pick(w().Faculty_Lookup, 1);
        pick(w().Speciality_Lookup, 1);
        pick(w().Year_Lookup, yearIdOf(QDate::currentDate().year() - 6));
        pick(w().Speciality_Lookup, 1);
        pick(w().Rate_ComboBox, 5);
        QVERIFY(!w().Group_ComboBox->isEnabled());
        QVERIFY(!w().Student_Lookup->isEnabled());
    }

    void applicantList_data() {
        QTest::addColumn<int>("faculty");
        QTest::addColumn<int>("speciality");
        QTest::addColumn<bool>("recommendedOnly");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("all, documents taken back left out")
            << 2 << 3 << false
            << QStringList{QStringLiteral("Васильев Денис Игоревич - [ А-003 ]")};
        QTest::newRow("recommended only: none") << 2 << 3 << true << QStringList{};
        QTest::newRow("recommended only: both")
            << 1 << 1 << true
            << QStringList{QStringLiteral("Алиев Тимур Русланович - [ А-001 ]"),
                           QStringLiteral("Мамытова Жанара Эмилбековна - [ А-007 ]")};
    }

    void applicantList() {
        QFETCH(int, faculty);
        QFETCH(int, speciality);
        QFETCH(bool, recommendedOnly);
        QFETCH(QStringList, names);
        w().PageControl2->setCurrentIndex(desk::kApplicantSubPage);
        pick(w().Faculty_Lookup, faculty);
        QVERIFY(w().Ab_Speciality_Lookup->isEnabled());
        w().CheckBox3->setChecked(recommendedOnly);
        pick(w().Ab_Speciality_Lookup, speciality);
        QStringList shown;
        for (int row = 0; row < w().Ab_Student_Lookup->list().rowCount(); ++row) {
            shown << w().Ab_Student_Lookup->list().textAt(row);
        }
        QCOMPARE(shown, names);
        QCOMPARE(w().Ab_Student_Lookup->isEnabled(), !names.isEmpty());
        if (!names.isEmpty()) {
            w().Ab_Student_Lookup->setKeyValue(w().Ab_Student_Lookup->list().keyAt(0));
            QCOMPARE(w().Uslug_DBLookupComboBox->keyValue().toInt(), 1);
            QVERIFY(w().Oplata_Edit->isEnabled());
        }
    }

    void listenerPage() {
        w().PageControl2->setCurrentIndex(desk::kListenerSubPage);
        QVERIFY(!w().Edit2->isEnabled());
        pick(w().Faculty_Lookup, 1);
        QVERIFY(w().DBLookupComboBox3->isEnabled());
        QVERIFY(w().DBText1->isHidden());
        pick(w().DBLookupComboBox3, 1);
        QVERIFY(!w().DBText1->isHidden());
        QCOMPARE(w().DBText1->text(), QStringLiteral("АНГ-1"));
        QVERIFY(w().DBLookupComboBox2->isEnabled());
        QVERIFY(w().DBLookupComboBox2->list().rowCount() > 0);
        pick(w().DBLookupComboBox2, w().DBLookupComboBox2->list().keyAt(0));
        QCOMPARE(w().Uslug_DBLookupComboBox->keyValue().toInt(), 1);
        QVERIFY(w().Vid_Oplaty_ComboBox->hasValue());
        pick(w().DBLookupComboBox3, QVariant());
        QVERIFY(w().DBText1->isHidden());
    }

    void amountKeys_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");  // empty: refused
        QTest::newRow("point becomes comma") << "12" << 2 << "."
                                             << ",";
        QTest::newRow("second decimal") << "12,5" << 4 << "5"
                                        << "5";
        QTest::newRow("third decimal refused") << "12,55" << 5 << "1"
                                               << "";
        QTest::newRow("comma after two decimals refused") << "12,55" << 5 << ","
                                                          << "";
        QTest::newRow("backspace after two decimals") << "12,55" << 5 << "\b"
                                                      << "\b";
        QTest::newRow("digit before the comma") << "12,55" << 1 << "3"
                                                << "3";
        QTest::newRow("letter refused") << "12" << 2 << "a"
                                        << "";
        QTest::newRow("cyrillic letter refused") << "" << 0 << "б"
                                                 << "";
        QTest::newRow("minus refused") << "" << 0 << "-"
                                       << "";
    }

    void amountKeys() {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        const auto accepted = desk::TForm1::amountKey(text, caret, typed.at(0));
        QCOMPARE(accepted ? QString(*accepted) : QString(), result);
    }

    void amountFieldFiltersTypedKeys() {
        walkToStudent();
        QTest::keyClicks(w().Oplata_Edit, QStringLiteral("12.5x5"));
        QCOMPARE(w().Oplata_Edit->text(), QStringLiteral("12,55"));
        QTest::keyClicks(w().Oplata_Edit, QStringLiteral("7,"));
        QCOMPARE(w().Oplata_Edit->text(), QStringLiteral("12,55"));
        QTest::keyClick(w().Oplata_Edit, Qt::Key_Backspace);
        QCOMPARE(w().Oplata_Edit->text(), QStringLiteral("12,5"));
        w().Oplata_Edit->setText(QStringLiteral("12345678"));
        QTest::keyClicks(w().Oplata_Edit, QStringLiteral("901"));
        QCOMPARE(w().Oplata_Edit->text().size(), 10);
    }

    void basisStaysOneParagraph() {
        w().Osnovanie_RichEdit->setEnabled(true);
        w().Primechanie_RichEdit->setEnabled(true);
        QTest::keyClicks(w().Osnovanie_RichEdit, QStringLiteral("a"));
        QTest::keyClick(w().Osnovanie_RichEdit, Qt::Key_Return);
        QTest::keyClick(w().Primechanie_RichEdit, Qt::Key_Return);
        QCOMPARE(w().Osnovanie_RichEdit->toPlainText(), QStringLiteral("a"));
        QVERIFY(w().Primechanie_RichEdit->toPlainText().isEmpty());
        w().Osnovanie_RichEdit->setPlainText(QString(250, u'я'));
        QCOMPARE(w().Osnovanie_RichEdit->toPlainText().size(), 200);
    }

    void enterWalksTheCascadeAndThePaymentGroup() {
        showActive();
        walkToStudent();
        w().Faculty_Lookup->setFocus();
        QTest::keyClick(w().Faculty_Lookup, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w().Year_Lookup);
        w().Student_Lookup->setFocus();
        QTest::keyClick(w().Student_Lookup, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w().Uslug_DBLookupComboBox);
        w().Vid_Oplaty_ComboBox->setFocus();
        QTest::keyClick(w().Vid_Oplaty_ComboBox, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w().Oplata_Edit);
        QTest::keyClicks(w().Oplata_Edit, QStringLiteral("500"));
        QTest::keyClick(w().Oplata_Edit, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w().DateTimePicker);
        QTest::keyClick(w().DateTimePicker, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), w().Oplata_Edit);
        // A list whose target is closed keeps the focus.
        pick(w().Faculty_Lookup, 2);
        w().Year_Lookup->setFocus();
        w().Speciality_Lookup->setEnabled(false);
        QTest::keyClick(w().Year_Lookup, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w().Year_Lookup);
    }

    void enterInTheDatePickerDrawsAFreshNumber() {
        registerScriptedNumbers();
        numbers.highest = 41;
        showActive();
        walkToStudent();
        w().Oplata_Edit->setText(QStringLiteral("100"));
        w().DateTimePicker->setFocus();
        w().Order_Edit->setText(QStringLiteral("777"));
        w().Order_Edit->setFocus();  // leaving with a number shown draws nothing
        QCOMPARE(w().Order_Edit->text(), QStringLiteral("777"));
        QVERIFY(numbers.getNumCalls.isEmpty());
        w().DateTimePicker->setFocus();
        w().DateTimePicker->setDate(QDate(2025, 3, 5));
        QTest::keyClick(w().DateTimePicker, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w().Order_Edit);
        QCOMPARE(w().Order_Edit->text(), QStringLiteral("42"));
        QCOMPARE(numbers.getNumCalls.size(), 1);
        const int user = data::SessionContext::instance().current_user_id;
        const QVariantList sent = numbers.getNumCalls.first();
        QCOMPARE(dateOf(sent.at(0)), QDate(2025, 3, 5));
        QCOMPARE(sent.mid(1), (QVariantList{user, 1, 1}));
        QCOMPARE(numbers.threeNumsCalls.size(), 2);
        QCOMPARE(dateOf(numbers.threeNumsCalls.at(1).first()), QDate(2025, 3, 5));
        QCOMPARE(w().DBLookupListBox1->list().rowCount(), 2);
        QVERIFY(w().Osnovanie_RichEdit->isEnabled());
    }

    void nextNumber_data() {
        QTest::addColumn<QVariant>("highest");
        QTest::addColumn<bool>("row");
        QTest::addColumn<int>("expected");
        QTest::newRow("no row") << QVariant() << false << 1;
        QTest::newRow("null") << QVariant() << true << 1;
        QTest::newRow("41") << QVariant(41) << true << 42;
    }

    void nextNumber() {
        QFETCH(QVariant, highest);
        QFETCH(bool, row);
        QFETCH(int, expected);
        registerScriptedNumbers();
        if (row) {
            numbers.highest = highest;
        }
        QCOMPARE(w().next_number(QStringLiteral("EXEC GetNum '05.03.2025', 1, 1, 1")), expected);
    }

    void orderNumberDirectionFollowsThePage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("copied");
        QTest::newRow("tuition") << int(desk::kTuitionPage) << 1 << true;
        QTest::newRow("income") << int(desk::kIncomePage) << 1 << false;
        QTest::newRow("expense") << int(desk::kExpensePage) << 0 << false;
    }

    void orderNumberDirectionFollowsThePage() {
        QFETCH(int, page);
        QFETCH(int, direction);
        QFETCH(bool, copied);
        registerScriptedNumbers();
        numbers.highest = 7;
        numbers.additional = {QStringLiteral("А-1"), QStringLiteral("А-2")};
        w().CheckBox4->setChecked(true);
        w().PageControl1->setCurrentIndex(page);
        w().Vid_Oplaty_ComboBox->setKeyValue(2);
        w().draw_order_number();
        QCOMPARE(w().Order_Edit->text(), QStringLiteral("8"));
        QCOMPARE(numbers.getNumCalls.first().at(2).toInt(), direction);
        QCOMPARE(numbers.getNumCalls.first().at(3).toInt(), 2);
        QCOMPARE(numbers.threeNumsCalls.first().at(2).toInt(), direction);
        QCOMPARE(w().Order_Edit2->text(), copied ? QStringLiteral("А-2") : QString());
        QCOMPARE(w().Order_Edit2->cursorPosition(), w().Order_Edit2->text().size());
        // Clicking the box copies on every page; unticking empties the field.
        w().CheckBox4->click();
        QVERIFY(w().Order_Edit2->text().isEmpty());
        w().CheckBox4->click();
        QCOMPARE(w().Order_Edit2->text(), QStringLiteral("А-2"));
    }

    void paymentKindPickSendsGetNumOnlyWithAKind() {
        registerScriptedNumbers();
        walkToStudent();
        pick(w().Vid_Oplaty_ComboBox, 2);
        QCOMPARE(numbers.getNumCalls.size(), 1);
        QCOMPARE(numbers.getNumCalls.first().at(2).toInt(), 1);
        pick(w().Vid_Oplaty_ComboBox, QVariant());
        QVERIFY(!w().Oplata_Edit->isEnabled());
        w().draw_order_number();
        QCOMPARE(numbers.getNumCalls.size(), 1);
        QVERIFY(w().Order_Edit->text().isEmpty());
    }

    void databaseErrorIsShownAndTheWindowStaysUsable() {
        registerScriptedNumbers();
        walkToStudent();
        numbers.fail = true;
        dialogs_->answer(ui::Button::Ok);
        pick(w().Vid_Oplaty_ComboBox, 2);
        const auto shown = dialogs_->calls(Kind::Message);
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.first().text.contains(QStringLiteral("Could not find GetNum.")));
        QCOMPARE(shown.first().caption, QStringLiteral("Ошибка"));
        QCOMPARE(shown.first().icon, ui::Icon::Error);
        QVERIFY(w().Oplata_Edit->isEnabled());  // changed before the failing statement
        numbers.fail = false;
        w().Oplata_Edit->setText(QStringLiteral("1"));
        w().draw_order_number();
        QCOMPARE(w().Order_Edit->text(), QStringLiteral("1"));
    }

    void setting34DecidesWhetherTheNumberIsTyped_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("0: read-only")
            << "UPDATE VuzDefaults SET id_field = 0 WHERE id_vuz_defaults = 34" << true;
        QTest::newRow("1: typed")
            << "UPDATE VuzDefaults SET id_field = 1 WHERE id_vuz_defaults = 34" << false;
        QTest::newRow("2: as designed")
            << "UPDATE VuzDefaults SET id_field = 2 WHERE id_vuz_defaults = 34" << false;
        QTest::newRow("missing: read-only")
            << "DELETE FROM VuzDefaults WHERE id_vuz_defaults = 34" << true;
    }

    void setting34DecidesWhetherTheNumberIsTyped() {
        QFETCH(QString, setting);
        QFETCH(bool, readOnly);
        fixture_->execute(setting);
        window_ = fixture_->openWindow(*dialogs_);
        fixture_->execute(QStringLiteral(
            "INSERT OR REPLACE INTO VuzDefaults (id_vuz_defaults, id_field, n_field, descr) "
            "VALUES (34, 1, NULL, 'Номер ордера можно исправлять')"));
        QCOMPARE(w().Order_Edit->isReadOnly(), readOnly);
        QVERIFY(!w().Label24->isHidden());  // setting 40 of the demo shows the faculty
    }

    void pageChangesKeepThePaymentGroup() {
        walkToStudent();
        pick(w().Vid_Oplaty_ComboBox, 2);
        w().Oplata_Edit->setText(QStringLiteral("250"));
        w().DateTimePicker->setDate(QDate(2025, 2, 3));
        w().PageControl1->setCurrentIndex(desk::kExpensePage);
        QCOMPARE(w().AddBtn->text(), QStringLiteral("Произвести возврат"));
        QVERIFY(!w().AddBtn->isEnabled());
        QVERIFY(w().RadioButton1->isHidden());
        QVERIFY(!w().Primechanie_RichEdit->isHidden());
        QCOMPARE(w().Osnovanie_RichEdit->height(), 44);
        QCOMPARE(w().Vid_Oplaty_ComboBox->keyValue().toInt(), 2);
        QCOMPARE(w().Oplata_Edit->text(), QStringLiteral("250"));
        QCOMPARE(w().DateTimePicker->date(), QDate(2025, 2, 3));
        w().PageControl1->setCurrentIndex(desk::kIncomePage);
        QCOMPARE(w().AddBtn->text(), QStringLiteral("Произвести оплату"));
        QVERIFY(!w().AddBtn->isEnabled());
        w().PageControl1->setCurrentIndex(desk::kTuitionPage);
        QVERIFY(w().AddBtn->isEnabled());  // a student is chosen
        QVERIFY(w().Primechanie_RichEdit->isHidden());
        QCOMPARE(w().Osnovanie_RichEdit->height(), 90);
        QVERIFY(!w().RadioButton1->isHidden());
    }

    void subPagesSwitchTheBarcodeAndTheRefreshButton() {
        w().PageControl2->setCurrentIndex(desk::kApplicantSubPage);
        QVERIFY(!w().BitBtn1->isHidden());
        QVERIFY(!w().Edit2->isEnabled());
        QVERIFY(!w().CheckBox1->isEnabled());
        w().PageControl2->setCurrentIndex(desk::kStudentSubPage);
        QVERIFY(w().BitBtn1->isHidden());
        QVERIFY(w().Edit2->isEnabled());
        QVERIFY(w().CheckBox1->isEnabled());
    }

    void activationRule_data() {
        QTest::addColumn<bool>("modal");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("a window not shown modally") << false << true;
        QTest::newRow("a modal dialog") << true << false;
    }

    void activationRule() {
        QFETCH(bool, modal);
        QFETCH(bool, cleared);
        showActive();
        walkToStudent();
        QVERIFY(w().Student_Lookup->hasValue());
        {
            QDialog other;
            other.setModal(modal);
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            other.close();
        }
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        QCOMPARE(!w().Student_Lookup->hasValue(), cleared);
        QCOMPARE(!w().Vid_Oplaty_ComboBox->hasValue(), cleared);
        QVERIFY(w().Speciality_Lookup->isEnabled());
    }

    void closingClosesTheConnection() {
        w().close();
        QVERIFY(!fixture_->dm().ADOCon.isOpen());
    }
};

QTEST_MAIN(TestDesk)
#include "tst_desk.moc"
