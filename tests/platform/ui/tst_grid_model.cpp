#include "platform/ui/dataset_model.h"
#include "platform/ui/db_grid_eh.h"
#include "platform/ui/grid_delegate.h"
#include "tests/platform/ui/control_fixture.h"
#include "tests/support/scripted_dialogs.h"

#include <QComboBox>
#include <QHeaderView>
#include <QSignalSpy>
#include <QtTest>

using namespace zur;
using db::FieldDef;
using db::FieldType;
using ui::DataSetModel;
using ui::GridColumn;
using ui::SortMarker;

namespace {

enum Column { Fio, Sum, Date, Kind, Order, Onul, Id };

}  // namespace

class TestGridModel : public QObject {
    Q_OBJECT

    test::UiFixture db_;
    std::unique_ptr<db::DataSet> kinds_;
    std::unique_ptr<db::DataSet> payments_;
    std::unique_ptr<db::DataSource> source_;
    std::unique_ptr<ui::DBGridEh> grid_;

    DataSetModel& model() { return grid_->gridModel(); }
    QModelIndex cell(int row, Column column) { return model().index(row, column); }

  private slots:
    void init() {
        db_.open();
        kinds_ = db_.query("SELECT id_v_opl, p105 FROM v_opl ORDER BY id_v_opl");
        payments_ = std::make_unique<db::DataSet>(&db_.connection);
        payments_->setSql({"SELECT id_payment, fio, p102, p103, id_v_opl, num_prikaz, onul",
                           "FROM Payment ORDER BY id_payment"});
        payments_->addField(FieldDef::data("id_payment", FieldType::AutoInc));
        payments_->addField(FieldDef::data("fio", FieldType::String, 60).readOnlyField());
        payments_->addField(FieldDef::data("p102", FieldType::Float).format("0.##"));
        payments_->addField(FieldDef::data("p103", FieldType::DateTime).format("DD.MM.YYYY"));
        payments_->addField(FieldDef::data("id_v_opl", FieldType::Integer));
        payments_->addField(
            FieldDef::lookup("v_opl", "id_v_opl", kinds_.get(), "id_v_opl", "p105", 50));
        payments_->addField(FieldDef::data("num_prikaz", FieldType::String, 20));
        payments_->addField(FieldDef::data("onul", FieldType::Boolean).label("Анул"));
        payments_->open();
        source_ = std::make_unique<db::DataSource>(payments_.get());
        grid_ = std::make_unique<ui::DBGridEh>();
        grid_->setObjectName("DBGridEh1");
        grid_->setDataSource(source_.get());
        grid_->setColumns({
            GridColumn::of("fio", "ФИО").readOnlyColumn().button(),
            GridColumn::of("p102", "Сумма").button(),
            GridColumn::of("p103", "Дата").align(Qt::AlignHCenter),
            GridColumn::of("v_opl", "Вид оплаты").button(),
            GridColumn::of("num_prikaz", "Корректировка|№ приказа"),
            GridColumn::of("onul"),
            GridColumn::of("id_payment", "Код"),
        });
    }
    void cleanup() {
        grid_.reset();
        source_.reset();
        payments_.reset();
        kinds_.reset();
        db_.connection.close();
    }

    void displayTexts_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole amount") << 0 << int(Sum) << "1500";
        QTest::newRow("one decimal") << 1 << int(Sum) << "200,5";
        QTest::newRow("rounded to two") << 2 << int(Sum) << "12345,68";
        QTest::newRow("date without time") << 0 << int(Date) << "05.03.2024";
        QTest::newRow("lookup name") << 0 << int(Kind) << "Перечисление";
        QTest::newRow("lookup other") << 2 << int(Kind) << "Терминал";
        QTest::newRow("null text") << 0 << int(Order) << "";
        QTest::newRow("text") << 1 << int(Order) << "12-к";
    }
    void displayTexts() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        QCOMPARE(model().rowCount(), 3);
        QCOMPARE(model().index(row, column).data().toString(), text);
    }

    void booleanColumnIsATickBox() {
        QCOMPARE(cell(1, Onul).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(cell(0, Onul).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(cell(0, Onul).flags() & Qt::ItemIsUserCheckable);
        QVERIFY(model().setData(cell(0, Onul), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(payments_->post());
        QCOMPARE(db_.scalar("SELECT onul FROM Payment WHERE id_payment = 1").toInt(), 1);
    }

    void titles_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one level") << int(Sum) << ""
                                   << "Сумма"
                                   << "Сумма";
        QTest::newRow("two levels") << int(Order) << "Корректировка"
                                    << "№ приказа"
                                    << "Корректировка\n№ приказа";
        QTest::newRow("field label") << int(Onul) << ""
                                     << "Анул"
                                     << "Анул";
    }
    void titles() {
        QFETCH(int, column);
        QFETCH(QString, group);
        QFETCH(QString, own);
        QFETCH(QString, shown);
        QCOMPARE(model().headerData(column, Qt::Horizontal, DataSetModel::GroupTitleRole), group);
        QCOMPARE(model().headerData(column, Qt::Horizontal, DataSetModel::OwnTitleRole), own);
        QCOMPARE(model().headerData(column, Qt::Horizontal, Qt::DisplayRole), shown);
    }

    void twoLevelTitlesMakeTheHeaderTaller() {
        ui::DBGridEh plain;
        plain.setDataSource(source_.get());
        plain.setColumns({GridColumn::of("p102", "Сумма")});
        QVERIFY(grid_->horizontalHeader()->sizeHint().height() >=
                2 * plain.horizontalHeader()->sizeHint().height() - 8);
    }

    void editableCells_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("gridReadOnly");
        QTest::addColumn<bool>("editable");
        QTest::newRow("plain field") << int(Sum) << false << true;
        QTest::newRow("lookup field") << int(Kind) << false << true;
        QTest::newRow("read-only column and field") << int(Fio) << false << false;
        QTest::newRow("auto-increment key") << int(Id) << false << false;
        QTest::newRow("read-only grid") << int(Sum) << true << false;
    }
    void editableCells() {
        QFETCH(int, column);
        QFETCH(bool, gridReadOnly);
        QFETCH(bool, editable);
        grid_->setReadOnly(gridReadOnly);
        const QModelIndex index = model().index(0, column);
        QCOMPARE(bool(index.flags() & Qt::ItemIsEditable), editable);
        QCOMPARE(model().setData(index, QVariant(1), Qt::EditRole), editable);
        QCOMPARE(payments_->isEditing(), editable);
    }

    void alignment_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("horizontal");
        QTest::newRow("number to the right") << int(Sum) << int(Qt::AlignRight);
        QTest::newRow("text to the left") << int(Order) << int(Qt::AlignLeft);
        QTest::newRow("column's own") << int(Date) << int(Qt::AlignHCenter);
    }
    void alignment() {
        QFETCH(int, column);
        QFETCH(int, horizontal);
        const auto align =
            model().index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        QCOMPARE(int(align & Qt::AlignHorizontal_Mask), horizontal);
    }

    void lookupColumnStoresTheKey() {
        QCOMPARE(cell(0, Kind).data(Qt::EditRole).toInt(), 2);
        QVERIFY(model().setData(cell(0, Kind), 3, Qt::EditRole));
        QCOMPARE(payments_->fieldByName("id_v_opl").value().toInt(), 3);
        QCOMPARE(cell(0, Kind).data().toString(), "Терминал");
        QVERIFY(payments_->post());
        QCOMPARE(db_.scalar("SELECT id_v_opl FROM Payment WHERE id_payment = 1").toInt(), 3);
    }

    void lookupEditorDropsTheListDown() {
        ui::GridDelegate& delegate = *qobject_cast<ui::GridDelegate*>(grid_->itemDelegate());
        std::unique_ptr<QWidget> editor(
            delegate.createEditor(grid_->viewport(), QStyleOptionViewItem(), cell(1, Kind)));
        auto* combo = qobject_cast<QComboBox*>(editor.get());
        QVERIFY(combo);
        QCOMPARE(combo->count(), 3);
        delegate.setEditorData(combo, cell(1, Kind));
        QCOMPARE(combo->currentText(), "Наличные");
        combo->setCurrentIndex(combo->findText("Перечисление"));
        delegate.setModelData(combo, &model(), cell(1, Kind));
        QCOMPARE(payments_->recNo(), 2);
        QCOMPARE(payments_->fieldByName("id_v_opl").value().toInt(), 2);
    }

    void cellColouring() {
        grid_->setCellStyler([](int row, int column, bool selected) {
            ui::CellStyle style;
            if (row == 1 && column == Fio) {
                style.background = selected ? QColor(129, 187, 252) : QColor(255, 230, 230);
                style.bold = true;
            }
            return style;
        });
        QCOMPARE(cell(1, Fio).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 230, 230));
        QVERIFY(cell(1, Fio).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!cell(1, Sum).data(Qt::BackgroundRole).isValid());
        QVERIFY(!cell(0, Fio).data(Qt::FontRole).isValid());
        QCOMPARE(model().cellStyle(1, Fio, true).background, QColor(129, 187, 252));
    }

    void sortMarkers_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("markers");  // of Fio, Sum, Date, Kind after the clicks
        QTest::addColumn<int>("reports");
        const auto N = int(SortMarker::None), D = int(SortMarker::Down), U = int(SortMarker::Up);
        QTest::newRow("first click: down") << QList<int>{Sum} << QList<int>{N, D, N, N} << 1;
        QTest::newRow("second click: up") << QList<int>{Sum, Sum} << QList<int>{N, U, N, N} << 2;
        QTest::newRow("third click: down again")
            << QList<int>{Sum, Sum, Sum} << QList<int>{N, D, N, N} << 3;
        QTest::newRow("another title clears the first")
            << QList<int>{Sum, Sum, Kind} << QList<int>{N, N, N, D} << 3;
        QTest::newRow("no title button") << QList<int>{Date} << QList<int>{N, N, N, N} << 0;
    }
    void sortMarkers() {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, markers);
        QFETCH(int, reports);
        QSignalSpy spy(grid_.get(), &ui::DBGridEh::titleButtonClicked);
        for (int column : clicks) {
            emit grid_->horizontalHeader()->sectionClicked(column);
        }
        for (int column = 0; column < markers.size(); ++column) {
            QCOMPARE(
                model().headerData(column, Qt::Horizontal, DataSetModel::SortMarkerRole).toInt(),
                markers[column]);
        }
        QCOMPARE(spy.count(), reports);
        if (reports > 0) {
            QCOMPARE(spy.last().at(0).toInt(), clicks.last());
            QCOMPARE(int(spy.last().at(1).value<SortMarker>()), markers[clicks.last()]);
        }
    }

    void editPostsWhenTheRowChanges() {
        grid_->setCurrentIndex(cell(0, Sum));
        QVERIFY(model().setData(cell(0, Sum), "99,5", Qt::EditRole));
        QCOMPARE(cell(0, Sum).data().toString(), "99,5");
        QVERIFY(payments_->isEditing());
        grid_->setCurrentIndex(cell(1, Sum));
        QVERIFY(!payments_->isEditing());
        QCOMPARE(payments_->recNo(), 2);
        QCOMPARE(db_.scalar("SELECT p102 FROM Payment WHERE id_payment = 1").toDouble(), 99.5);
    }

    void enterPostsAndEscapeCancels_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<double>("stored");
        QTest::newRow("Enter posts") << int(Qt::Key_Return) << 7.25;
        QTest::newRow("Esc cancels") << int(Qt::Key_Escape) << 200.5;
    }
    void enterPostsAndEscapeCancels() {
        QFETCH(int, key);
        QFETCH(double, stored);
        grid_->setCurrentIndex(cell(1, Sum));
        QVERIFY(model().setData(cell(1, Sum), 7.25, Qt::EditRole));
        QTest::keyClick(grid_.get(), Qt::Key(key));
        QVERIFY(!payments_->isEditing());
        QCOMPARE(db_.scalar("SELECT p102 FROM Payment WHERE id_payment = 2").toDouble(), stored);
        QCOMPARE(payments_->fieldByName("p102").value().toDouble(), stored);
    }

    void refusedValueShowsTheErrorAndKeepsTheRecord() {
        test::ScriptedDialogs dialogs;
        dialogs.answer(ui::Button::Ok);
        QVERIFY(!model().setData(cell(0, Sum), "12a", Qt::EditRole));
        QCOMPARE(dialogs.calls(test::ScriptedDialogs::Kind::Message).size(), 1);
        QCOMPARE(dialogs.calls().first().caption, "Ошибка");
        QCOMPARE(cell(0, Sum).data().toString(), "1500");
    }

    void gridFollowsTheDataSet() {
        payments_->last();
        QCOMPARE(grid_->currentIndex().row(), 2);
        grid_->setCurrentIndex(cell(0, Sum));
        QCOMPARE(payments_->recNo(), 1);
    }

    void keyHookConsumesKeys() {
        int seen = 0;
        grid_->onKeyDown = [&](QKeyEvent& event) {
            ++seen;
            return event.key() == Qt::Key_Insert;
        };
        QTest::keyClick(grid_.get(), Qt::Key_Insert);
        QCOMPARE(seen, 1);
        QCOMPARE(payments_->state(), db::DataSetState::Browse);
        QCOMPARE(model().rowCount(), 3);
    }
};

QTEST_MAIN(TestGridModel)
#include "tst_grid_model.moc"
