#include "platform/db/connection.h"
#include "platform/db/dataset/dataset.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zur::db;

namespace {

const char* kSchema = R"(
CREATE TABLE v_opl (id_v_opl INTEGER PRIMARY KEY AUTOINCREMENT, p105 VARCHAR(50), visible BIT);
CREATE TABLE Payment (id_payment INTEGER PRIMARY KEY AUTOINCREMENT, p102 FLOAT, p103 DATETIME,
  id_v_opl INT, osnovanie VARCHAR(200), id_a_year INT);
INSERT INTO v_opl (p105, visible) VALUES ('Наличные', 1), ('Перечисление', 1), ('Старый', 0),
  ('Бартер', 1), ('Терминал', 1);
INSERT INTO Payment (p102, p103, id_v_opl, osnovanie, id_a_year) VALUES
  (1500, '2024-03-05 14:40:11', 2, 'за обучение', 7),
  (200.5, '2024-03-06 00:00:00', 3, NULL, 7),
  (900, '2024-02-01 00:00:00', 1, 'взнос', 8);
)";

// Records every event of a data set by name.
struct EventLog {
    QStringList names;
    QString abortIn;

    void attach(DataSet& set) {
        const auto hook = [this](const QString& name) {
            return [this, name](DataSet&) {
                names.append(name);
                if (name == abortIn) {
                    throw Abort{};
                }
            };
        };
        set.beforeInsert = hook("beforeInsert");
        set.afterInsert = hook("afterInsert");
        set.beforeEdit = hook("beforeEdit");
        set.afterEdit = hook("afterEdit");
        set.beforePost = hook("beforePost");
        set.afterPost = hook("afterPost");
        set.beforeCancel = hook("beforeCancel");
        set.afterCancel = hook("afterCancel");
        set.beforeDelete = hook("beforeDelete");
        set.afterDelete = hook("afterDelete");
        set.afterScroll = hook("afterScroll");
    }
};

}  // namespace

class TestDataSet : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    Connection connection_;

    QVariant scalar(const QString& sql) {
        const ResultSet result = connection_.query(sql);
        return result.rows.isEmpty() ? QVariant() : result.rows[0][0];
    }
    std::unique_ptr<DataSet> payments() {
        auto set = std::make_unique<DataSet>(&connection_);
        set->setSql({"SELECT id_payment, p102, p103, id_v_opl, osnovanie", "FROM Payment",
                     "ORDER BY id_payment"});
        set->open();
        return set;
    }
    // Runs one of the operations the event tests use.
    static bool run(DataSet& set, const QString& operation) {
        if (operation == "edit+post") {
            set.edit();
            set.fieldByName("p102").setValue(10);
            return set.post();
        }
        if (operation == "insert+cancel") {
            set.insert();
            return set.cancel();
        }
        if (operation == "append+post") {
            set.append();
            set.fieldByName("p102").setValue(5);
            return set.post();
        }
        if (operation == "edit+cancel") {
            set.edit();
            set.fieldByName("p102").setValue(7);
            return set.cancel();
        }
        return set.deleteRecord();
    }

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        const QString path = dir_.filePath(QString::number(QRandomGenerator::global()->generate()));
        connection_.setConnectionString("Data Source=sqlite:" + path + ".db;Create=1");
        connection_.open();
        connection_.runNativeScript(kSchema);
    }
    void cleanup() { connection_.close(); }

    void fieldsFollowTheResultInOrder() {
        auto set = payments();
        QCOMPARE(set->fieldCount(), 5);
        QCOMPARE(set->field(1).name(), "p102");
        QCOMPARE(set->fieldByName("P102").type(), FieldType::Float);
        QCOMPARE(set->fieldByName("p103").type(), FieldType::DateTime);
        QCOMPARE(set->fieldByName("osnovanie").type(), FieldType::String);
        QCOMPARE(set->fieldByName("osnovanie").size(), 200);
        QCOMPARE(set->fieldByName("p103").asDateTime(),
                 QDateTime(QDate(2024, 3, 5), QTime(14, 40, 11)));
        QVERIFY(set->findField("nothing") == nullptr);
        QVERIFY_THROWS_EXCEPTION(DbError, set->fieldByName("nothing"));
    }

    void navigation() {
        auto set = payments();
        QCOMPARE(set->recordCount(), 3);
        QVERIFY(set->bof());
        QVERIFY(!set->eof());
        int seen = 0;
        for (set->first(); !set->eof(); set->next()) {
            ++seen;
        }
        QCOMPARE(seen, 3);
        QCOMPARE(set->recNo(), 3);
        set->prior();
        QCOMPARE(set->fieldByName("id_payment").asInteger(), 2);
        set->first();
        set->prior();
        QVERIFY(set->bof());
        QCOMPARE(set->recNo(), 1);
    }

    void editPostStoresOnlyThatRecord_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("amount typed with a comma")
            << "p102" << QVariant("1600,25") << QVariant(1600.25);
        QTest::newRow("text") << "osnovanie" << QVariant("о'кей") << QVariant("о'кей");
        QTest::newRow("text emptied to null") << "osnovanie" << QVariant() << QVariant();
        QTest::newRow("typed date") << "p103" << QVariant("07.03.2024")
                                    << QVariant(QDateTime(QDate(2024, 3, 7), QTime(0, 0)));
        QTest::newRow("kind as text") << "id_v_opl" << QVariant(" 5 ") << QVariant(5);
    }
    void editPostStoresOnlyThatRecord() {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(QVariant, stored);
        auto set = payments();
        const QVariant before = set->fieldByName(field).value();
        QVERIFY(set->edit());
        set->fieldByName(field).setValue(value);
        QCOMPARE(set->fieldByName(field).oldValue(), before);
        QVERIFY(set->isModified());
        QVERIFY(set->post());
        QCOMPARE(set->state(), DataSetState::Browse);
        QCOMPARE(set->fieldByName(field).oldValue(), set->fieldByName(field).value());
        const QVariant inDb = scalar("SELECT " + field + " FROM Payment WHERE id_payment = 1");
        QCOMPARE(inDb, stored);
        QCOMPARE(scalar("SELECT p102 FROM Payment WHERE id_payment = 2").toDouble(), 200.5);
    }

    void cancelRestoresTheRecord() {
        auto set = payments();
        set->edit();
        set->fieldByName("p102").setValue(1);
        set->fieldByName("osnovanie").setValue("x");
        QVERIFY(set->cancel());
        QCOMPARE(set->fieldByName("p102").asFloat(), 1500.0);
        QCOMPARE(set->fieldByName("osnovanie").asString(), "за обучение");
        QCOMPARE(scalar("SELECT p102 FROM Payment WHERE id_payment = 1").toDouble(), 1500.0);
    }

    void movingAwayPostsAChangeAndDropsAnUntouchedInsert() {
        auto set = payments();
        set->edit();
        set->fieldByName("p102").setValue(11);
        set->next();
        QCOMPARE(scalar("SELECT p102 FROM Payment WHERE id_payment = 1").toDouble(), 11.0);
        set->append();
        set->first();
        QCOMPARE(set->state(), DataSetState::Browse);
        QCOMPARE(set->recordCount(), 3);
        QCOMPARE(scalar("SELECT COUNT(*) FROM Payment").toInt(), 3);
    }

    void eventOrder_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("edit, post")
            << "edit+post" << QStringList{"beforeEdit", "afterEdit", "beforePost", "afterPost"};
        QTest::newRow("edit, cancel")
            << "edit+cancel"
            << QStringList{"beforeEdit", "afterEdit", "beforeCancel", "afterCancel"};
        QTest::newRow("insert, cancel") << "insert+cancel"
                                        << QStringList{"beforeInsert", "afterInsert", "afterScroll",
                                                       "beforeCancel", "afterCancel"};
        QTest::newRow("append, post")
            << "append+post"
            << QStringList{"beforeInsert", "afterInsert", "afterScroll", "beforePost", "afterPost"};
        QTest::newRow("delete") << "delete"
                                << QStringList{"beforeDelete", "afterDelete", "afterScroll"};
    }
    void eventOrder() {
        QFETCH(QString, operation);
        QFETCH(QStringList, events);
        auto set = payments();
        EventLog log;
        log.attach(*set);
        QVERIFY(run(*set, operation));
        QCOMPARE(log.names, events);
    }

    void abortIsSilentAndChangesNothing_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("abortIn");
        QTest::addColumn<DataSetState>("state");
        QTest::addColumn<int>("rowsInDb");
        QTest::addColumn<double>("amountInDb");
        QTest::newRow("before edit") << "edit+post"
                                     << "beforeEdit" << DataSetState::Browse << 3 << 1500.0;
        QTest::newRow("before post") << "edit+post"
                                     << "beforePost" << DataSetState::Edit << 3 << 1500.0;
        QTest::newRow("before insert") << "append+post"
                                       << "beforeInsert" << DataSetState::Browse << 3 << 1500.0;
        QTest::newRow("before delete") << "delete"
                                       << "beforeDelete" << DataSetState::Browse << 3 << 1500.0;
        QTest::newRow("before cancel") << "edit+cancel"
                                       << "beforeCancel" << DataSetState::Edit << 3 << 1500.0;
    }
    void abortIsSilentAndChangesNothing() {
        QFETCH(QString, operation);
        QFETCH(QString, abortIn);
        QFETCH(DataSetState, state);
        QFETCH(int, rowsInDb);
        QFETCH(double, amountInDb);
        auto set = payments();
        EventLog log;
        log.abortIn = abortIn;
        log.attach(*set);
        try {
            QVERIFY(!run(*set, operation));
        } catch (const DbError&) {
            // setValue in browse state after an aborted edit/insert
            QVERIFY(abortIn == "beforeEdit" || abortIn == "beforeInsert");
        }
        QCOMPARE(set->state(), state);
        QCOMPARE(log.names.last(), abortIn);
        QCOMPARE(scalar("SELECT COUNT(*) FROM Payment").toInt(), rowsInDb);
        QCOMPARE(scalar("SELECT p102 FROM Payment WHERE id_payment = 1").toDouble(), amountInDb);
    }

    void postErrorHandlerDecides() {
        auto set = std::make_unique<DataSet>(&connection_);
        set->setSql("SELECT id_payment, p102 FROM Payment");
        set->setUpdateTable("NoSuchTable", {"id_payment"});
        set->open();
        int calls = 0;
        set->onPostError = [&calls](DataSet&, const DbError&, ErrorAction& action) {
            ++calls;
            action = ErrorAction::Abort;
        };
        set->edit();
        set->fieldByName("p102").setValue(1);
        QVERIFY(!set->post());
        QCOMPARE(calls, 1);
        QCOMPARE(set->state(), DataSetState::Edit);
        set->onPostError = nullptr;
        QVERIFY_THROWS_EXCEPTION(DbError, set->post());
        QCOMPARE(set->state(), DataSetState::Edit);
    }

    void assignmentRefusesWhatTheTypeCannotTake_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("letters in an integer") << "id_v_opl" << QVariant("12a");
        QTest::newRow("fraction text in an integer") << "id_v_opl" << QVariant("1,5");
        QTest::newRow("letters in a float") << "p102" << QVariant("15оо");
        QTest::newRow("impossible date") << "p103" << QVariant("32.13.2024");
        QTest::newRow("text in a date") << "p103" << QVariant("вчера");
    }
    void assignmentRefusesWhatTheTypeCannotTake() {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        auto set = payments();
        set->edit();
        const QVariant before = set->fieldByName(field).value();
        try {
            set->fieldByName(field).setValue(value);
            QFAIL("assignment accepted");
        } catch (const FieldError& error) {
            QVERIFY(error.message().contains(value.toString()));
            QVERIFY(error.message().contains(field));
        }
        QCOMPARE(set->fieldByName(field).value(), before);
        QVERIFY(!set->isModified());
    }

    void assignmentOutsideEditingIsRefused() {
        auto set = payments();
        QVERIFY_THROWS_EXCEPTION(DbError, set->fieldByName("p102").setValue(1));
    }

    void displayText_data() {
        QTest::addColumn<FieldType>("type");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("money 0.##, whole")
            << FieldType::Float << "0.##" << QVariant(1500.0) << "1500";
        QTest::newRow("money 0.##, one decimal")
            << FieldType::Float << "0.##" << QVariant(200.5) << "200,5";
        QTest::newRow("money 0.##, rounded")
            << FieldType::Float << "0.##" << QVariant(2.456) << "2,46";
        QTest::newRow("float unformatted") << FieldType::Float << "" << QVariant(0.1) << "0,1";
        QTest::newRow("date DD.MM.YYYY")
            << FieldType::DateTime << "DD.MM.YYYY"
            << QVariant(QDateTime(QDate(2024, 3, 5), QTime(14, 40))) << "05.03.2024";
        QTest::newRow("date dd.mm.yyyy")
            << FieldType::DateTime << "dd.mm.yyyy"
            << QVariant(QDateTime(QDate(2010, 12, 1), QTime(0, 0))) << "01.12.2010";
        QTest::newRow("null") << FieldType::Float << "0.##" << QVariant() << "";
    }
    void displayText() {
        QFETCH(FieldType, type);
        QFETCH(QString, format);
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        DataSet set;
        Field& field = set.addField(FieldDef::data("f", type).format(format));
        QCOMPARE(field.format(field.convert(value)), text);
    }

    void parametersByName() {
        DataSet set(&connection_);
        set.setSql({"SELECT id_payment FROM Payment",
                    "WHERE id_a_year = :id_a_year AND id_v_opl <> :@id_v_opl"});
        QCOMPARE(set.paramNames(), (QStringList{"id_a_year", "id_v_opl"}));
        set.setParam("ID_A_YEAR", 7);
        set.setParam("@id_v_opl", 3);
        set.open();
        QCOMPARE(set.recordCount(), 1);
        QCOMPARE(set.fieldByName("id_payment").asInteger(), 1);
        set.close();
        set.setParam("id_v_opl", QVariant());  // unset parameters are NULL: nothing matches
        set.open();
        QCOMPARE(set.recordCount(), 0);
    }

    void lookupFilterAndSort() {
        DataSet kinds(&connection_);
        kinds.setTableName("v_opl");
        kinds.open();
        kinds.setFilter("visible = 1");
        kinds.setFiltered(true);
        QCOMPARE(kinds.recordCount(), 4);

        DataSet set(&connection_);
        set.setSql("SELECT id_payment, id_v_opl, p102 FROM Payment");
        set.addField(FieldDef::data("id_payment", FieldType::AutoInc));
        set.addField(FieldDef::data("id_v_opl", FieldType::Integer));
        set.addField(FieldDef::data("p102", FieldType::Float).format("0.##"));
        set.addField(FieldDef::lookup("v_opl", "id_v_opl", &kinds, "id_v_opl", "p105", 50));
        set.open();
        QCOMPARE(set.fieldByName("v_opl").asString(), "Перечисление");
        set.next();
        QVERIFY2(set.fieldByName("v_opl").isNull(), "a hidden kind shows no name");
        kinds.setFiltered(false);
        QCOMPARE(set.fieldByName("v_opl").asString(), "Старый");

        set.setSort("v_opl");
        QStringList order;
        for (set.first(); !set.eof(); set.next()) {
            order.append(set.fieldByName("v_opl").asString());
        }
        QCOMPARE(order, (QStringList{"Наличные", "Перечисление", "Старый"}));
        set.setSort("v_opl DESC");
        set.first();
        QCOMPARE(set.fieldByName("v_opl").asString(), "Старый");

        set.setFilter("id_v_opl <> 3 AND p102 > 1000");
        set.setFiltered(true);
        QCOMPARE(set.recordCount(), 1);
        QCOMPARE(set.fieldByName("id_payment").asInteger(), 1);
        QVERIFY_THROWS_EXCEPTION(DbError, set.setFilter("p102 ~ 1"));
    }

    void lookupFieldAssignmentSetsTheKey() {
        DataSet kinds(&connection_);
        kinds.setTableName("v_opl");
        kinds.open();
        DataSet set(&connection_);
        set.setSql("SELECT id_payment, id_v_opl FROM Payment");
        set.addField(FieldDef::data("id_payment", FieldType::AutoInc));
        set.addField(FieldDef::data("id_v_opl", FieldType::Integer));
        set.addField(FieldDef::lookup("v_opl", "id_v_opl", &kinds, "id_v_opl", "p105"));
        set.open();
        set.edit();
        set.fieldByName("v_opl").setValue("Терминал");
        QCOMPARE(set.fieldByName("id_v_opl").asInteger(), 5);
        QVERIFY(set.post());
        QCOMPARE(scalar("SELECT id_v_opl FROM Payment WHERE id_payment = 1").toInt(), 5);
    }

    void calculatedFields() {
        DataSet set(&connection_);
        set.setSql("SELECT id_v_opl, p105 FROM v_opl");
        set.addField(FieldDef::data("id_v_opl", FieldType::AutoInc));
        set.addField(FieldDef::data("p105", FieldType::String, 50));
        set.addField(FieldDef::calculated("shown", FieldType::String, 80));
        set.onCalcFields = [](DataSet& d) {
            d.fieldByName("shown").setValue(QString("(%1) %2").arg(
                d.fieldByName("id_v_opl").asString(), d.fieldByName("p105").asString()));
        };
        set.open();
        QCOMPARE(set.fieldByName("shown").asString(), "(1) Наличные");
        QCOMPARE(set.textAt(1, 2), "(2) Перечисление");
        set.edit();
        set.fieldByName("p105").setValue("Нал");
        QCOMPARE(set.fieldByName("shown").asString(), "(1) Нал");
        QVERIFY_THROWS_EXCEPTION(DbError, set.fieldByName("shown").setValue("x"));
    }

    void locate_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("options");
        QTest::addColumn<int>("recNo");
        QTest::newRow("integer") << "id_v_opl" << QVariant(4) << 0 << 4;
        QTest::newRow("integer given as text") << "id_v_opl" << QVariant("2") << 0 << 2;
        QTest::newRow("text exact") << "p105" << QVariant("Бартер") << 0 << 4;
        QTest::newRow("text in other case is not exact") << "p105" << QVariant("бартер") << 0 << 0;
        QTest::newRow("text ignoring case")
            << "p105" << QVariant("бартер") << int(LocateOption::CaseInsensitive) << 4;
        QTest::newRow("partial") << "p105" << QVariant("Пере") << int(LocateOption::PartialKey)
                                 << 2;
        QTest::newRow("absent") << "id_v_opl" << QVariant(99) << 0 << 0;
        QTest::newRow("value the field cannot take") << "id_v_opl" << QVariant("x") << 0 << 0;
    }
    void locate() {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(int, options);
        QFETCH(int, recNo);
        DataSet set(&connection_);
        set.setTableName("v_opl");
        set.open();
        set.last();
        const bool found = set.locate(field, value, LocateOptions(options));
        QCOMPARE(found, recNo != 0);
        QCOMPARE(set.recNo(), found ? recNo : 5);
    }

    void templateInsertReadsBackItsKey_data() {
        QTest::addColumn<QString>("sql");
        QTest::newRow("table columns") << "SELECT TOP(0) Payment.* FROM Payment";
        QTest::newRow("a column listed twice")
            << "SELECT TOP(0) id_payment, id_a_year, p102, osnovanie, id_a_year FROM dbo.Payment";
    }
    void templateInsertReadsBackItsKey() {
        QFETCH(QString, sql);
        DataSet set(&connection_);
        set.setSql(sql);
        set.open();
        QCOMPARE(set.recordCount(), 0);
        QVERIFY(set.append());
        set.fieldByName("p102").setValue("300,5");
        set.fieldByName("id_a_year").setValue(9);
        set.fieldByName("osnovanie").setValue("долг");
        QVERIFY(set.post());
        const qint64 key = set.fieldByName("id_payment").asInteger();
        QCOMPARE(key, 4);
        QCOMPARE(scalar("SELECT p102 || '/' || id_a_year || '/' || osnovanie FROM Payment WHERE "
                        "id_payment = 4")
                     .toString(),
                 "300.5/9/долг");
    }

    void joinedListWritesToItsDeclaredTable() {
        DataSet set(&connection_);
        set.setSql(
            "SELECT Payment.p102, v_opl.p105 FROM Payment INNER JOIN v_opl ON "
            "Payment.id_v_opl = v_opl.id_v_opl WHERE id_payment = :id_payment");
        set.setParam("id_payment", 1);
        set.open();
        set.edit();
        set.fieldByName("p102").setValue(1);
        QVERIFY_THROWS_EXCEPTION(DbError, set.post());  // which table is not known
        set.setUpdateTable("Payment", {"id_payment"});  // the key from the parameter
        QVERIFY(set.post());
        QCOMPARE(scalar("SELECT p102 FROM Payment WHERE id_payment = 1").toDouble(), 1.0);
    }

    void deleteRemovesTheRecord() {
        auto set = payments();
        set->next();
        QVERIFY(set->deleteRecord());
        QCOMPARE(set->recordCount(), 2);
        QCOMPARE(set->fieldByName("id_payment").asInteger(), 3);
        QCOMPARE(scalar("SELECT COUNT(*) FROM Payment WHERE id_payment = 2").toInt(), 0);
        set->last();
        QVERIFY(set->deleteRecord());
        QCOMPARE(set->fieldByName("id_payment").asInteger(), 1);
    }

    void signalsFollowTheRecord() {
        auto set = payments();
        QSignalSpy scrolled(set.get(), &DataSet::scrolled);
        QSignalSpy state(set.get(), &DataSet::stateChanged);
        QSignalSpy fields(set.get(), &DataSet::fieldChanged);
        set->next();
        set->edit();
        set->fieldByName("p102").setValue(3);
        set->post();
        QCOMPARE(scrolled.count(), 1);
        QCOMPARE(state.count(), 2);
        QCOMPARE(fields.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_dataset.moc"
