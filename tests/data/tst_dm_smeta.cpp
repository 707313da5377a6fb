#include "data/dm_smeta.h"
#include "data/search_window_link.h"
#include "data/session_context.h"
#include "tests/support/scripted_dialogs.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zur;
using db::DataSet;
using db::DataSetState;
using test::ScriptedDialogs;
using ui::Button;

namespace {

const char* kSchema = R"(
CREATE TABLE Payment (id_payment INTEGER PRIMARY KEY AUTOINCREMENT, id_abiturient INT,
  id_teacher INT, id_student INT, p102 FLOAT, p103 DATETIME, id_v_opl INT, id_a_year INT,
  id_speciality INT, id_uslug INT, data_prikaz DATETIME, dop_info NVARCHAR(4000),
  num_prikaz NVARCHAR(10), ZUR_USER VARCHAR(20), ZUR_Update DATETIME, id_rate INT, id_group INT,
  id_faculty INT, osnovanie VARCHAR(200), dopol VARCHAR(100), Primech VARCHAR(200),
  p104_1 VARCHAR(10), p104 INT, id_group_slushatel INT, id_kassa INT);
CREATE TABLE Expense (id_expense INTEGER PRIMARY KEY AUTOINCREMENT, id_student INT, p102 FLOAT,
  p103 DATETIME, id_v_opl INT, ZUR_USER VARCHAR(20), ZUR_Update DATETIME, Onul BIT,
  id_payment INT);
CREATE TABLE ZUR_User (id_ZUR_user INTEGER PRIMARY KEY, ZUR_login NVARCHAR(50), id_kassa INT,
  canTerminal BIT, visible BIT);
CREATE TABLE shet (id_shet INTEGER PRIMARY KEY AUTOINCREMENT, shet VARCHAR(10),
  n_shet VARCHAR(50), shet2 VARCHAR(50), n_shet2 VARCHAR(50), id_kassa INT);
CREATE TABLE uslugi (id_uslug INTEGER PRIMARY KEY AUTOINCREMENT, uslugi VARCHAR(80), proc1 FLOAT,
  proc2 FLOAT, id_shet INT, is_visible BIT, id_kassa INT);
INSERT INTO ZUR_User VALUES (1, 'kassir', 3, 0, 1), (2, 'terminal', 3, 1, 1),
  (3, 'hidden', 3, 1, 0);
INSERT INTO Payment (p102, id_v_opl, ZUR_USER) VALUES (1500, 2, 'old'), (700, 5, 'old');
INSERT INTO Expense (p102, id_v_opl) VALUES (100, 1);
INSERT INTO shet (shet, n_shet, shet2, n_shet2, id_kassa) VALUES ('101', NULL, '202', 'Касса', 3);
)";

// The search window as the rules see it: records what they asked of it.
struct FakeSearchWindow : data::SearchWindowLink {
    QStringList calls;
    QString stampSeenByHook;

    void setApplyEnabled(bool enabled) override {
        calls.append(enabled ? "apply on" : "apply off");
    }
    void setPaymentGridReadOnly() override { calls.append("grid read-only"); }
    void recordChanges(DataSet& set, const QString& table, const QString& key) override {
        calls.append(QString("record %1 %2 %3").arg(set.objectName(), table, key));
        stampSeenByHook = set.fieldByName("ZUR_USER").asString();
    }
};

}  // namespace

class TestDataModule : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    std::unique_ptr<data::TDM_Smeta> dm_;

    QVariant scalar(const QString& sql) {
        const db::ResultSet result = dm_->ADOCon.query(sql);
        return result.rows.isEmpty() ? QVariant() : result.rows[0][0];
    }
    void openPayments() {
        dm_->ADOQ_Payment->setSql("SELECT * FROM Payment ORDER BY id_payment");
        dm_->ADOQ_Payment->open();
    }
    // Edit of a payment: the question of the before-edit rule is answered Yes.
    static void expectEditQuestion(ScriptedDialogs& dialogs) {
        dialogs.answer(Button::Yes).answer(Button::Ok);
    }

  private slots:
    void init() {
        dm_ = std::make_unique<data::TDM_Smeta>();
        const QString path = dir_.filePath(QString::number(QRandomGenerator::global()->generate()));
        dm_->ADOCon.setConnectionString("Data Source=sqlite:" + path + ".db;Create=1");
        dm_->ADOCon.open();
        dm_->ADOCon.runNativeScript(kSchema);
        data::SessionContext::instance() = {};
        data::SessionContext::instance().current_login = "kassir";
        data::SessionContext::instance().cash_desk_id = 3;
    }
    void cleanup() { dm_.reset(); }

    void moduleHoldsItsNamedLists() {
        QCOMPARE(data::DM_Smeta, dm_.get());
        for (const char* name : {"ADOQ_Payment", "ADOQ_Expense", "ADOT_Uslugi_2", "ADOQ_Grid2",
                                 "ADOQ_Payment2V", "ADOQ_Exec", "ADOQ_studentF24"}) {
            QVERIFY2(dm_->dataSet(name) != nullptr, name);
        }
        QCOMPARE(dm_->dataSource("DS_faculty")->dataSet(), dm_->ADOQ_Faculty);
        QCOMPARE(dm_->dataSource("DS_Spec")->dataSet(), dm_->ADOQ_Speciality);
        QCOMPARE(dm_->ADOQ_Payment->fieldByName("p103").displayFormat(), "DD.MM.YYYY");
        QCOMPARE(dm_->ADOQ_Expense->fieldByName("Speciality").size(), 100);
        QVERIFY(dm_->left_groups.isEmpty());
    }

    void terminalPaymentKind_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<int>("row");
        QTest::addColumn<QVariant>("newKind");
        QTest::addColumn<int>("storedKind");
        QTest::addColumn<bool>("notice");
        QTest::newRow("no right, amount only") << "kassir" << 1 << QVariant() << 2 << false;
        QTest::newRow("no right, 2 to 5 returns to 2") << "kassir" << 1 << QVariant(5) << 2 << true;
        QTest::newRow("no right, amount of a terminal payment")
            << "kassir" << 2 << QVariant() << 5 << true;
        QTest::newRow("no right, 5 to 1 returns to 5") << "kassir" << 2 << QVariant(1) << 5 << true;
        QTest::newRow("right, sets 5") << "terminal" << 1 << QVariant(5) << 5 << false;
        QTest::newRow("right, clears 5") << "terminal" << 2 << QVariant(1) << 1 << false;
        QTest::newRow("hidden user lacks the right") << "hidden" << 1 << QVariant(5) << 2 << true;
        QTest::newRow("unknown user lacks the right") << "nobody" << 2 << QVariant(3) << 5 << true;
    }
    void terminalPaymentKind() {
        QFETCH(QString, login);
        QFETCH(int, row);
        QFETCH(QVariant, newKind);
        QFETCH(int, storedKind);
        QFETCH(bool, notice);
        data::SessionContext::instance().current_login = login;
        openPayments();
        DataSet& payment = *dm_->ADOQ_Payment;
        QVERIFY(payment.locate("id_payment", row));
        ScriptedDialogs dialogs;
        expectEditQuestion(dialogs);
        if (notice) {
            dialogs.answer(Button::Ok);
        }
        QVERIFY(payment.edit());
        payment.fieldByName("p102").setValue("1234,5");
        if (!newKind.isNull()) {
            payment.fieldByName("id_v_opl").setValue(newKind);
        }
        QVERIFY(payment.post());
        const QString where = " FROM Payment WHERE id_payment = " + QString::number(row);
        QCOMPARE(scalar("SELECT id_v_opl" + where).toInt(), storedKind);
        QCOMPARE(scalar("SELECT p102" + where).toDouble(), 1234.5);
        QCOMPARE(scalar("SELECT ZUR_USER" + where).toString(), login);
        QCOMPARE(scalar("SELECT ZUR_Update" + where).toDateTime(),
                 QDate::currentDate().startOfDay());
        const auto messages = dialogs.calls(ScriptedDialogs::Kind::Message);
        QCOMPARE(messages.size(), notice ? 3 : 2);
        if (notice) {
            QCOMPARE(messages.last().text, "Вы не можете менять вид оплаты по терминалу");
            QCOMPARE(messages.last().caption, "Уведомление");
            QCOMPARE(messages.last().icon, ui::Icon::None);
        }
    }

    void failingRightsQueryKeepsTheEdit() {
        openPayments();
        dm_->ADOCon.runNativeScript("DROP TABLE ZUR_User;");
        ScriptedDialogs dialogs;
        expectEditQuestion(dialogs);
        dialogs.answer(Button::Ok);
        dm_->ADOQ_Payment->edit();
        dm_->ADOQ_Payment->fieldByName("p102").setValue(1);
        QVERIFY(!dm_->ADOQ_Payment->post());
        QCOMPARE(dm_->ADOQ_Payment->state(), DataSetState::Edit);
        QCOMPARE(dialogs.calls().last().icon, ui::Icon::Error);
        QCOMPARE(scalar("SELECT p102 FROM Payment WHERE id_payment = 1").toDouble(), 1500.0);
    }

    void editQuestion_data() {
        QTest::addColumn<bool>("windowOpen");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("windowCalls");
        QTest::addColumn<int>("messages");
        QTest::newRow("yes") << true << int(Button::Yes) << QStringList{"apply on"} << 2;
        QTest::newRow("no, window open")
            << true << int(Button::No) << QStringList{"grid read-only", "apply on"} << 1;
        QTest::newRow("no, window closed") << false << int(Button::No) << QStringList{} << 1;
    }
    void editQuestion() {
        QFETCH(bool, windowOpen);
        QFETCH(int, answer);
        QFETCH(QStringList, windowCalls);
        QFETCH(int, messages);
        FakeSearchWindow window;
        dm_->setSearchWindow(windowOpen ? &window : nullptr);
        openPayments();
        ScriptedDialogs dialogs;
        dialogs.answer(Button(answer));
        if (messages == 2) {
            dialogs.answer(Button::Ok);
        }
        QVERIFY(dm_->ADOQ_Payment->edit());
        QCOMPARE(dm_->ADOQ_Payment->state(), DataSetState::Edit);
        QCOMPARE(window.calls, windowCalls);
        const auto first = dialogs.calls().first();
        QCOMPARE(first.text, "Были сделаны изменения...\rХотите их сохранить?");
        QCOMPARE(first.icon, ui::Icon::Question);
        QCOMPARE(first.buttons, Button::Yes | Button::No);
        if (messages == 2) {
            QCOMPARE(dialogs.calls().last().text, "Сохранено!");
        }
        dm_->setSearchWindow(nullptr);
    }

    void searchWindowFollowsPostAndCancel() {
        FakeSearchWindow window;
        dm_->setSearchWindow(&window);
        openPayments();
        ScriptedDialogs dialogs;
        expectEditQuestion(dialogs);
        expectEditQuestion(dialogs);
        DataSet& payment = *dm_->ADOQ_Payment;
        payment.edit();
        payment.fieldByName("p102").setValue(10);
        payment.post();
        payment.edit();
        payment.cancel();
        QCOMPARE(window.calls,
                 (QStringList{"apply on", "apply off", "record ADOQ_Payment Payment id_payment",
                              "apply on", "apply off"}));
        QCOMPARE(window.stampSeenByHook, "old");

        window.calls.clear();
        DataSet& expense = *dm_->ADOQ_Expense;
        expense.setSql("SELECT * FROM Expense");
        expense.open();
        QVERIFY(expense.append());
        expense.fieldByName("p102").setValue(5);
        QVERIFY(expense.post());
        QCOMPARE(window.calls,
                 (QStringList{"apply on", "apply off", "record ADOQ_Expense Expense id_expense"}));
        QCOMPARE(scalar("SELECT ZUR_USER FROM Expense WHERE id_expense = 2").toString(), "kassir");
        dm_->setSearchWindow(nullptr);
    }

    void appendedPaymentIsCancelledAtOnce() {
        FakeSearchWindow window;
        dm_->setSearchWindow(&window);
        dm_->ADOQ_Payment->open();  // the empty template
        QVERIFY(dm_->ADOQ_Payment->append());
        QCOMPARE(dm_->ADOQ_Payment->state(), DataSetState::Browse);
        QCOMPARE(dm_->ADOQ_Payment->recordCount(), 0);
        QCOMPARE(window.calls, QStringList{"apply off"});
        QCOMPARE(scalar("SELECT COUNT(*) FROM Payment").toInt(), 2);
        dm_->setSearchWindow(nullptr);
    }

    void refusedInserts_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"ADOQ_SpecialVisible", "ADOQ_Lookup", "ADOQ_Payment1V",
                                 "ADOQ_Payment2V", "ADOQ_Payment3V", "ADOQ_NewSpeciality"}) {
            QTest::newRow(name) << name;
        }
    }
    void refusedInserts() {
        QFETCH(QString, name);
        DataSet& set = *dm_->dataSet(name);
        set.setSql("SELECT id_payment, p102 FROM Payment");
        set.open();
        ScriptedDialogs dialogs;  // nothing may be shown
        QVERIFY(!set.append());
        QVERIFY(!set.insert());
        QCOMPARE(set.state(), DataSetState::Browse);
        QCOMPARE(set.recordCount(), 2);
    }

    void newSpecialityRefusesDelete() {
        DataSet& set = *dm_->ADOQ_NewSpeciality;
        set.setSql("SELECT id_payment, p102 FROM Payment");
        set.open();
        QVERIFY(!set.deleteRecord());
        QCOMPARE(set.recordCount(), 2);
        QCOMPARE(scalar("SELECT COUNT(*) FROM Payment").toInt(), 2);
    }

    void accountsAndPurposes() {
        dm_->ADOT_Shet->setSql("SELECT * FROM shet where id_kassa = 3");
        dm_->ADOT_Shet->open();
        QCOMPARE(dm_->ADOT_Shet->fieldByName("Normal_Shet").asString(), "101()");
        QCOMPARE(dm_->ADOT_Shet->fieldByName("Normal_Shet2").asString(), "202(Касса)");

        DataSet& purposes = *dm_->ADOT_Uslugi_2;
        purposes.setSql("SELECT * FROM uslugi where id_kassa = 3");
        purposes.open();
        QVERIFY(purposes.append());
        purposes.fieldByName("uslugi").setValue("Взнос");
        purposes.fieldByName("id_shet").setValue(1);
        QCOMPARE(purposes.fieldByName("Shet").asString(), "101()");
        QCOMPARE(purposes.fieldByName("Shet2__").asString(), "202(Касса)");
        QVERIFY(purposes.post());
        QCOMPARE(scalar("SELECT proc1 || '/' || proc2 || '/' || id_kassa FROM uslugi").toString(),
                 "0.0/0.0/3");
        QCOMPARE(purposes.fieldByName("id_uslug").asInteger(), 1);
    }
};

QTEST_MAIN(TestDataModule)
#include "tst_dm_smeta.moc"
