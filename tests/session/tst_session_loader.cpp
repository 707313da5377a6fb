// What the session knows after the login, on the demo database.

#include "data/dm_smeta.h"
#include "data/session_context.h"
#include "embedded/demo.h"
#include "embedded/procedures.h"
#include "session/session_loader.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace zur;

class TestSessionLoader : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<data::TDM_Smeta> dm_;
    data::SessionContext context_;

    // A fresh demo database changed by `statement`, loaded for the cashier `kassir` (user 1).
    session::SessionSwitches load(const QString& statement) {
        const QString path = dir_.filePath(QStringLiteral("%1.db").arg(QTest::currentDataTag()));
        embedded::createDemo(path);
        dm_ = std::make_unique<data::TDM_Smeta>();
        dm_->ADOCon.setConnectionString(QStringLiteral("Data Source=sqlite:") + path);
        dm_->ADOCon.open();
        if (!statement.isEmpty()) {
            dm_->ADOCon.execute(statement);
        }
        context_ = data::SessionContext{};
        context_.current_user_id =
            dm_->ADOCon
                .query(
                    QStringLiteral("SELECT id_ZUR_user FROM ZUR_User WHERE ZUR_login = 'kassir'"))
                .rows[0][0]
                .toInt();
        return session::load_session_context(*dm_, context_);
    }

  private Q_SLOTS:
    void initTestCase() { embedded::registerProcedures(); }

    void fillsTheContext_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("deskId");
        QTest::addColumn<int>("incomePurpose");
        QTest::addColumn<int>("refundPurpose");
        QTest::newRow("demo") << "" << 1 << 8 << 6;
        QTest::newRow("no default purposes") << "DELETE FROM Def_Uslug" << 1 << 0 << 0;
        QTest::newRow("user without desk")
            << "UPDATE ZUR_User SET id_kassa = NULL WHERE ZUR_login = 'kassir'" << 0 << 0 << 0;
    }

    void fillsTheContext() {
        QFETCH(QString, change);
        QFETCH(int, deskId);
        QFETCH(int, incomePurpose);
        QFETCH(int, refundPurpose);
        load(change);
        QCOMPARE(context_.cash_desk_id, deskId);
        QCOMPARE(context_.income_purpose_id, incomePurpose);
        QCOMPARE(context_.refund_purpose_id, refundPurpose);
        QCOMPARE(dm_->ADOT_Uslugi_2->isEmpty(), deskId == 0);
        QCOMPARE(dm_->ADOT_Shet->isEmpty(), deskId == 0);
        QVERIFY(!dm_->ADOQ_Faculty->isEmpty() || deskId == 0);
    }

    void hiddenPurposesAreNeverListed() {
        load({});
        db::DataSet& purposes = *dm_->ADOT_Uslugi_2;
        QVERIFY(!purposes.isEmpty());
        QVERIFY(!purposes.locate(QStringLiteral("id_uslug"), 9));  // "тариф 2015 г.", hidden
        purposes.setFiltered(false);
        QVERIFY(purposes.locate(QStringLiteral("id_uslug"), 9));
    }

    void settingsDecideTheSwitches_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QVariant>("orderReadOnly");
        QTest::addColumn<QVariant>("facultyVisible");
        QTest::newRow("demo: both 1") << "" << QVariant(false) << QVariant(true);
        QTest::newRow("34 is 2: kept")
            << "UPDATE VuzDefaults SET id_field = 2 WHERE id_vuz_defaults = 34" << QVariant()
            << QVariant(true);
        QTest::newRow("both missing: 0")
            << "DELETE FROM VuzDefaults WHERE id_vuz_defaults IN (34, 40)" << QVariant(true)
            << QVariant(false);
    }

    void settingsDecideTheSwitches() {
        QFETCH(QString, change);
        QFETCH(QVariant, orderReadOnly);
        QFETCH(QVariant, facultyVisible);
        const session::SessionSwitches switches = load(change);
        const auto asVariant = [](const std::optional<bool>& value) {
            return value ? QVariant(*value) : QVariant();
        };
        QCOMPARE(asVariant(switches.orderEditReadOnly), orderReadOnly);
        QCOMPARE(asVariant(switches.expenseFacultyVisible), facultyVisible);
    }
};

QTEST_MAIN(TestSessionLoader)
#include "tst_session_loader.moc"
