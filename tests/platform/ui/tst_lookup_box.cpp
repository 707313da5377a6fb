#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/db_lookup_combobox_eh.h"
#include "tests/platform/ui/control_fixture.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace zur;

namespace {

// Types `text` into a widget key by key (QTest's own typing knows only ASCII).
void typeInto(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

}  // namespace

class TestLookupBox : public QObject {
    Q_OBJECT

    test::UiFixture db_;
    std::unique_ptr<db::DataSet> students_;
    std::unique_ptr<db::DataSource> source_;

    template <class Box>
    std::unique_ptr<Box> box(const QString& name) {
        auto result = std::make_unique<Box>();
        result->setObjectName(name);
        result->setListSource(source_.get());
        result->setListField("s_fio");
        result->setKeyField("id_student");
        return result;
    }

  private slots:
    void init() {
        db_.open();
        students_ = db_.query("SELECT id_student, s_fio FROM student ORDER BY s_fio");
        source_ = std::make_unique<db::DataSource>(students_.get());
    }
    void cleanup() {
        source_.reset();
        students_.reset();
        db_.connection.close();
    }

    void keyFromCodeIsNoPick_data() {
        QTest::addColumn<QVariant>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("hasValue");
        QTest::newRow("a student") << QVariant(3) << "Петров Пётр" << true;
        QTest::newRow("key as text") << QVariant("4") << "ЯКОВЛЕВ Яков" << true;
        QTest::newRow("null") << QVariant() << "" << false;
        QTest::newRow("empty text") << QVariant("") << "" << false;
    }
    void keyFromCodeIsNoPick() {
        QFETCH(QVariant, key);
        QFETCH(QString, shown);
        QFETCH(bool, hasValue);
        auto lookup = box<ui::DBLookupComboBox>("Faculty_Lookup");
        QSignalSpy picks(lookup.get(), &ui::DBLookupComboBox::picked);
        lookup->setKeyValue(key);
        QCOMPARE(lookup->currentText(), shown);
        QCOMPARE(lookup->hasValue(), hasValue);
        QCOMPARE(picks.count(), 0);
        if (hasValue) {  // the list stands at the chosen row, as bound labels expect
            QCOMPARE(students_->value("s_fio").toString(), shown);
        }
    }

    void userPickRunsTheHandler() {
        auto lookup = box<ui::DBLookupComboBox>("Rate_ComboBox");
        QSignalSpy picks(lookup.get(), &ui::DBLookupComboBox::picked);
        lookup->setKeyValue(2);  // Иваненко Пётр, second in name order
        QTest::keyClick(lookup.get(), Qt::Key_Down);
        QCOMPARE(picks.count(), 1);
        QCOMPARE(lookup->keyValue().toInt(), 1);
        QCOMPARE(lookup->currentText(), "Иванов Иван");
        lookup->clear();
        QVERIFY(!lookup->hasValue());
        QCOMPARE(lookup->currentText(), "");
        QCOMPARE(picks.count(), 1);
    }

    void nullValueKeyClearsAsAPick() {
        auto lookup = box<ui::DBLookupComboBox>("Faculty_Lookup");
        lookup->setNullValueKey(QKeySequence(Qt::CTRL | Qt::Key_N));
        lookup->setKeyValue(5);
        QSignalSpy picks(lookup.get(), &ui::DBLookupComboBox::picked);
        QTest::keyClick(lookup.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(picks.count(), 1);
        QVERIFY(!lookup->hasValue());
    }

    void dropDownSize() {
        auto lookup = box<ui::DBLookupComboBox>("Speciality_Lookup");
        lookup->setDropDownRows(24);
        lookup->setDropDownWidth(1000);
        QCOMPARE(lookup->dropDownRows(), 24);
        QCOMPARE(lookup->view()->minimumWidth(), 1000);
        QCOMPARE(lookup->count(), 5);
    }

    void reopenedListKeepsTheKey() {
        auto lookup = box<ui::DBLookupComboBox>("Group_ComboBox");
        lookup->setKeyValue(3);
        students_->close();
        QCOMPARE(lookup->currentText(), "");
        students_->open();
        QCOMPARE(lookup->currentText(), "Петров Пётр");
    }

    void boundBoxWritesThePickedKey() {
        auto payments = db_.query("SELECT id_payment, id_v_opl FROM Payment ORDER BY id_payment");
        auto kinds = db_.query("SELECT id_v_opl, p105 FROM v_opl ORDER BY id_v_opl");
        db::DataSource paymentSource(payments.get()), kindSource(kinds.get());
        ui::DBLookupComboBox lookup;
        lookup.setObjectName("Vid_Oplaty_ComboBox");
        lookup.setListSource(&kindSource);
        lookup.setListField("p105");
        lookup.setKeyField("id_v_opl");
        lookup.setDataSource(&paymentSource);
        lookup.setDataField("id_v_opl");
        QCOMPARE(lookup.currentText(), "Перечисление");
        payments->next();
        QCOMPARE(lookup.currentText(), "Наличные");
        QVERIFY(!payments->isEditing());
        QTest::keyClick(&lookup, Qt::Key_Down);
        QVERIFY(payments->isEditing());
        QCOMPARE(payments->value("id_v_opl").toInt(), 2);
        QVERIFY(payments->post());
        QCOMPARE(db_.scalar("SELECT id_v_opl FROM Payment WHERE id_payment = 2").toInt(), 2);
    }

    void typedSearch_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QVariant>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("changes");  // keystrokes that changed the shown text
        QTest::newRow("first of two") << "Ива" << QVariant(2) << "Иваненко Пётр" << 1;
        QTest::newRow("narrowed") << "иванов" << QVariant(1) << "Иванов Иван" << 2;
        QTest::newRow("upper-case list text") << "як" << QVariant(4) << "ЯКОВЛЕВ Яков" << 1;
        QTest::newRow("no such name") << "xyz" << QVariant() << "xyz" << 3;
    }
    void typedSearch() {
        QFETCH(QString, typed);
        QFETCH(QVariant, key);
        QFETCH(QString, shown);
        QFETCH(int, changes);
        auto lookup = box<ui::DBLookupComboboxEh>("Student_Lookup");
        lookup->show();
        QSignalSpy spy(lookup.get(), &ui::DBLookupComboboxEh::changed);
        typeInto(lookup.get(), typed);
        QCOMPARE(lookup->keyValue(), key);
        QCOMPARE(lookup->currentText(), shown);
        QCOMPARE(lookup->lineEdit()->selectedText(), shown.mid(typed.size()));
        QCOMPARE(spy.count(), changes);
    }

    void backspaceDoesNotCompleteAgain() {
        auto lookup = box<ui::DBLookupComboboxEh>("Ab_Student_Lookup");
        lookup->show();
        typeInto(lookup.get(), "Пет");
        QCOMPARE(lookup->keyValue().toInt(), 3);
        QTest::keyClick(lookup.get(), Qt::Key_Backspace);  // removes the completed tail
        QCOMPARE(lookup->currentText(), "Пет");
        QVERIFY(!lookup->hasValue());
    }

    void keyFromCodeRunsTheChangeHandler() {
        auto lookup = box<ui::DBLookupComboboxEh>("Student_Lookup");
        QSignalSpy changes(lookup.get(), &ui::DBLookupComboboxEh::changed);
        QSignalSpy picks(lookup.get(), &ui::DBLookupComboBox::picked);
        lookup->setKeyValue(5);
        QCOMPARE(lookup->currentText(), "Андреев Антон");
        QCOMPARE(changes.count(), 1);
        lookup->setKeyValue(5);  // the same text: no change
        QCOMPARE(changes.count(), 1);
        lookup->clear();
        QCOMPARE(changes.count(), 2);
        QVERIFY(!lookup->hasValue());
        QCOMPARE(picks.count(), 0);
    }
};

QTEST_MAIN(TestLookupBox)
#include "tst_lookup_box.moc"
