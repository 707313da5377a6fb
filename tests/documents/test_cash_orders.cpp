#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "documents/document_data.h"
#include "documents/expense_order.h"
#include "documents/receipt_order.h"
#include "platform/report/painter.h"

using namespace zur::documents;

namespace {

const QTime kPrinted(9, 5);

void fillRecord(const QString& sum2 = QStringLiteral("      0,00")) {
    document_data = TOplataRec();
    document_data.order_no = QStringLiteral("345/2");
    document_data.total_sum = QStringLiteral("   1500,00");
    document_data.sum1 = QStringLiteral("   1500,00");
    document_data.sum2 = sum2;
    document_data.institution_name = QStringLiteral("Кыргызский университет");
    document_data.purpose_name = QStringLiteral("Оплата за обучение");
    document_data.basis = QStringLiteral("Договор 17");
    document_data.payer_name = QStringLiteral("Иванов Иван Иванович");
    document_data.account1 = QStringLiteral("142101");
    document_data.account2 = QStringLiteral("142102");
    document_data.account2_name = QStringLiteral("Фонд развития");
    document_data.note = QStringLiteral("2 курс гр.ЭК-21 за 2015-2016 уч. год. \rЭкономика");
    document_data.pay_date = QDateTime(QDate(2016, 3, 5), QTime(11, 20));
    next_year_transfer = false;
}

ReceiptInputs receiptInputs() {
    ReceiptInputs in;
    in.faculty_doc_name = QStringLiteral("Экономический факультет");
    in.officials = {QStringLiteral("Асанов А."), QStringLiteral("Бекова Б."),
                    QStringLiteral("Токтоева Т.")};
    in.group_name = QStringLiteral("ЭК-21");
    in.speciality_text = QStringLiteral("Экономика");
    in.now = kPrinted;
    return in;
}

ExpenseInputs expenseInputs(const Officials& officials) {
    return {officials, kPrinted};
}

// The controls of the order half and the counterfoil's copies of them.
const QList<QPair<QString, QString>> kCopies = {{"QRLabel19", "QRLabel21"},
                                                {"QRDate_Lbl", "QRDate_Lbl_left"},
                                                {"QR_Sum_Lbl", "QR_Sum_Lbl_left"},
                                                {"QRL_CelNaz", "QRL_CelNaz_left"},
                                                {"QR_Sum2_lbl", "QR_Sum2_lbl_left"},
                                                {"QR_Shet1Lbl", "QR_Shet1Lbl_Left"},
                                                {"QR_StudentLbl", "QR_StudentLbl_Left"},
                                                {"QR_Osnovanie_Lbl", "QR_Osnovanie_Lbl_left"},
                                                {"QRLabel4", "QRLabel8"},
                                                {"QR_Oplata_Lbl", "QR_Oplata_Lbl_left"},
                                                {"QRLabel27", "QRLabel28"},
                                                {"QRLabel24", "QRLabel29"},
                                                {"QRLabel30", "QRLabel33"}};

const QStringList kSecondAccountReceipt = {"QR_Shet2NameLbl",  "QRSum_3_Lbl",
                                           "QR_Shet2Lbl",      "QR_Shet2NameLbl_Left",
                                           "QRSum_3_Lbl_left", "QR_Shet2Lbl_Left"};
const QStringList kSecondAccountExpense = {"QR_Shet2NameLbl", "QRSum_3_Lbl", "QR_Shet2Lbl"};

// Texts that may share a place because the caller shows only one of them.
bool alternatives(const QString& a, const QString& b) {
    const QStringList header = {"QRLabel10", "QRLabel25", "QR_Faculty_lbl"};
    return header.contains(a) && header.contains(b);
}

void checkLayout(const zur::report::Page& page) {
    const QRectF area(QPointF(), page.areaMm());
    const auto& labels = page.labels();
    for (int i = 0; i < labels.size(); ++i) {
        QVERIFY2(area.contains(labels[i].rect), qPrintable(labels[i].name));
        for (int j = i + 1; j < labels.size(); ++j) {
            const QRectF overlap = labels[i].rect.intersected(labels[j].rect);
            if (overlap.width() > 0.01 && overlap.height() > 0.01 &&
                !alternatives(labels[i].name, labels[j].name)) {
                QFAIL(qPrintable(labels[i].name + " overlaps " + labels[j].name));
            }
        }
    }
}

}  // namespace

class TestCashOrders : public QObject {
    Q_OBJECT
  private slots:
    void receiptValues();
    void receiptCounterfoilRepeatsOrder();
    void secondAccount_data();
    void secondAccount();
    void facultyName_data();
    void facultyName();
    void institutionHiddenByFacultyFlag_data();
    void institutionHiddenByFacultyFlag();
    void transferAnnouncedOnce();
    void officialsMissing();
    void expenseValues();
    void expenseCashDeskLine();
    void layoutFitsTheSheet();
    void receiptPdfReadsBack();
};

void TestCashOrders::receiptValues() {
    fillRecord();
    const TForm4 form(receiptInputs());
    QCOMPARE(form.text("QRLabel1"), QStringLiteral("ПРИХОДНЫЙ КАССОВЫЙ ОРДЕР № 345/2"));
    QCOMPARE(form.text("QRLabel2"),
             QStringLiteral("КВИТАНЦИЯ К ПРИХОДНОМУ КАССОВОМУ ОРДЕРУ № 345/2"));
    QCOMPARE(form.text("QRDate_Lbl"), QStringLiteral("05 Марта 2016 года 9:05"));
    QCOMPARE(form.text("QR_Oplata_Lbl"), QStringLiteral("ОДНА ТЫСЯЧА ПЯТЬСОТ  СОМОВ 00 т."));
    QCOMPARE(form.text("QR_Sum_Lbl"), QStringLiteral("   1500,00"));
    QCOMPARE(form.text("QRLabel4"), document_data.note);
    QCOMPARE(form.text("QRLabel27"), QStringLiteral("Бекова Б."));
    QCOMPARE(form.text("QRLabel24"), QStringLiteral("Токтоева Т."));
    QVERIFY(form.find("QR_Sum_Lbl")->font.bold);
    QVERIFY(!form.find("PayerCaption")->font.bold);
    QCOMPARE(form.find("QRLabel2")->font.points, 9.0);
    QCOMPARE(form.find("QR_StudentLbl_Left")->font.points, 11.0);
}

void TestCashOrders::receiptCounterfoilRepeatsOrder() {
    fillRecord(QStringLiteral("    150,00"));
    next_year_transfer = true;
    next_year_sum = QStringLiteral("    500,00 сом");
    next_year_name = QStringLiteral("2016-2017");
    TForm4 form(receiptInputs());
    form.bindFaculty(QStringLiteral("Экономический факультет"));
    for (const auto& [order, counterfoil] : kCopies) {
        QVERIFY2(form.contains(order) && form.contains(counterfoil), qPrintable(order));
        QCOMPARE(form.text(counterfoil), form.text(order));
        QCOMPARE(form.find(counterfoil)->enabled, form.find(order)->enabled);
    }
    QCOMPARE(form.text("QR_Faculty_lbl_left"), QStringLiteral("Экономический факультет"));
    QCOMPARE(form.text("QR_Faculty_lbl"), QStringLiteral("Экономический факультет"));
}

void TestCashOrders::secondAccount_data() {
    QTest::addColumn<QString>("sum2");
    QTest::addColumn<bool>("shown");
    QTest::newRow("zero") << "      0,00" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("cents") << "      0,01" << true;
    QTest::newRow("fifty") << "     50,00" << true;
}

void TestCashOrders::secondAccount() {
    QFETCH(QString, sum2);
    QFETCH(bool, shown);
    fillRecord(sum2);
    const TForm4 receipt(receiptInputs());
    for (const QString& name : kSecondAccountReceipt) {
        QVERIFY2(receipt.contains(name) == shown, qPrintable(name));
    }
    const TForm9 expense(expenseInputs({}));
    for (const QString& name : kSecondAccountExpense) {
        QVERIFY2(expense.contains(name) == shown, qPrintable(name));
    }
    QVERIFY(receipt.contains("QR_Shet1Lbl") && expense.contains("QR_Sum2_lbl"));
}

void TestCashOrders::facultyName_data() {
    QTest::addColumn<QString>("facultyName");
    QTest::addColumn<bool>("printed");
    QTest::newRow("another name") << "Экономический факультет" << true;
    QTest::newRow("same name") << "Кыргызский университет" << false;
    QTest::newRow("same name in capitals") << "КЫРГЫЗСКИЙ УНИВЕРСИТЕТ" << false;
}

void TestCashOrders::facultyName() {
    QFETCH(QString, facultyName);
    QFETCH(bool, printed);
    fillRecord();
    ReceiptInputs in = receiptInputs();
    in.faculty_doc_name = facultyName;
    TForm4 form(in);
    QCOMPARE(form.hasFacultyLabels(), printed);
    QCOMPARE(form.contains("QR_Faculty_lbl_left"), printed);
    form.bindFaculty(facultyName);
    QCOMPARE(form.text("QR_Faculty_lbl"), printed ? facultyName : QString());
    QCOMPARE(form.text("QRLabel19"), document_data.institution_name);
}

void TestCashOrders::institutionHiddenByFacultyFlag_data() {
    QTest::addColumn<bool>("rsOpl");
    QTest::newRow("RS_opl 1") << true;
    QTest::newRow("RS_opl 0") << false;
}

void TestCashOrders::institutionHiddenByFacultyFlag() {
    QFETCH(bool, rsOpl);
    fillRecord();
    ReceiptInputs in = receiptInputs();
    in.rs_opl = rsOpl;
    const TForm4 form(in);
    const QString expected = rsOpl ? QString() : document_data.institution_name;
    QCOMPARE(form.text("QRLabel19"), expected);
    QCOMPARE(form.text("QRLabel21"), expected);
}

void TestCashOrders::transferAnnouncedOnce() {
    fillRecord();
    next_year_transfer = true;
    next_year_sum = QStringLiteral("    500,00 сом");
    next_year_name = QStringLiteral("2016-2017");
    const TForm4 first(receiptInputs());
    QVERIFY(!next_year_transfer);
    const QString line = QStringLiteral("    500,00 сом переводится на 2016-2017 уч.год.");
    for (const char* name : {"QRLabel30", "QRLabel33"}) {
        QVERIFY(first.find(name)->enabled);
        QCOMPARE(first.text(name), line);
    }
    QCOMPARE(first.text("QRLabel4"), QStringLiteral(" гр.ЭК-21\rЭкономика"));
    QCOMPARE(first.text("QRLabel8"), QStringLiteral(" гр.ЭК-21\rЭкономика"));

    const TForm4 second(receiptInputs());
    for (const char* name : {"QRLabel30", "QRLabel33"}) {
        QVERIFY(!second.find(name)->enabled);
        QVERIFY(second.text(name).isEmpty());
    }
    QCOMPARE(second.text("QRLabel4"), document_data.note);
}

void TestCashOrders::officialsMissing() {
    fillRecord();
    ReceiptInputs in = receiptInputs();
    in.officials = {};
    const TForm4 receipt(in);
    for (const char* name : {"QRLabel27", "QRLabel28", "QRLabel24", "QRLabel29"}) {
        QVERIFY2(receipt.contains(name) && receipt.text(name).isEmpty(), name);
    }
    const TForm9 expense(expenseInputs({}));
    for (const char* name : {"QRLabel24", "QRLabel13", "QRLabel12"}) {
        QVERIFY2(expense.contains(name) && expense.text(name).isEmpty(), name);
    }
}

void TestCashOrders::expenseValues() {
    fillRecord();
    const TForm9 form(expenseInputs(
        {QStringLiteral("Асанов А."), QStringLiteral("Бекова Б."), QStringLiteral("Токтоева Т.")}));
    QCOMPARE(form.text("QRLabel1"), QStringLiteral("РАСХОДНЫЙ КАССОВЫЙ ОРДЕР № 345/2"));
    QCOMPARE(form.text("QRLabel22"), document_data.institution_name);
    QCOMPARE(form.text("QRDate_Lbl"), QStringLiteral("05 Марта 2016 года 9:05"));
    QCOMPARE(form.text("QRLabel11"), QStringLiteral("05 Марта 2016 г."));
    // One blank more before the fraction than on the receipt for the same amount.
    QCOMPARE(form.text("QR_Oplata_Lbl"), QStringLiteral("ОДНА ТЫСЯЧА ПЯТЬСОТ  СОМОВ  00 т."));
    QCOMPARE(form.text("QR_Oplata_Lbl2"), form.text("QR_Oplata_Lbl"));
    QCOMPARE(form.text("QR_StudentLbl"), document_data.payer_name);
    QCOMPARE(form.text("QRLabel24"), QStringLiteral("Асанов А."));
    QCOMPARE(form.text("QRLabel13"), QStringLiteral("Бекова Б."));
    QCOMPARE(form.text("QRLabel12"), QStringLiteral("Токтоева Т."));
    QVERIFY(form.find("QR_Oplata_Lbl2")->font.italic);
    QVERIFY(!form.contains("QRLabel4"));  // the note is not printed
}

void TestCashOrders::expenseCashDeskLine() {
    fillRecord();
    TForm9 desk(expenseInputs({}));
    desk.showCashDesk(QStringLiteral("Касса №1"));
    desk.setIdentityDocument(QStringLiteral("AN1234567 (MKK 50-01) от 01.02.2010 г."));
    QCOMPARE(desk.text("QRLabel25"), QStringLiteral("Касса:"));
    QCOMPARE(desk.text("QR_Faculty_lbl"), QStringLiteral("Касса №1"));
    QVERIFY(desk.text("QRLabel10").isEmpty());
    QCOMPARE(desk.text("QRLabel23"), QStringLiteral("AN1234567 (MKK 50-01) от 01.02.2010 г."));

    TForm9 faculty(expenseInputs({}));
    faculty.showFacultyHeader(QStringLiteral("Экономический факультет"));
    QVERIFY(faculty.text("QRLabel25").isEmpty());
    QVERIFY(!faculty.contains("QR_Faculty_lbl"));
    QCOMPARE(faculty.text("QRLabel10"), QStringLiteral("Касса: Экономический факультет"));
}

void TestCashOrders::layoutFitsTheSheet() {
    fillRecord(QStringLiteral("     50,00"));
    const TForm4 receipt(receiptInputs());
    const TForm9 expense(expenseInputs({}));
    for (const zur::report::Page* page : {static_cast<const zur::report::Page*>(&receipt),
                                          static_cast<const zur::report::Page*>(&expense)}) {
        QCOMPARE(page->pageLayout().pageSize().id(), QPageSize::A5);
        QCOMPARE(page->pageLayout().orientation(), QPageLayout::Landscape);
        checkLayout(*page);
        if (QTest::currentTestFailed()) {
            return;
        }
    }
    QCOMPARE(receipt.pageLayout().margins(), QMarginsF(5, 7, 7, 7));
}

void TestCashOrders::receiptPdfReadsBack() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        QSKIP("pdftotext is not installed");
    }
    fillRecord();
    const TForm4 form(receiptInputs());
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("receipt.pdf"));
    QVERIFY(zur::report::renderToPdf(form, pdf));

    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished(10000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    QVERIFY2(text.contains(QStringLiteral("ПРИХОДНЫЙ КАССОВЫЙ ОРДЕР № 345/2")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Иванов Иван Иванович")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("ОДНА ТЫСЯЧА ПЯТЬСОТ СОМОВ 00 т.")), qPrintable(text));
}

QTEST_MAIN(TestCashOrders)
#include "test_cash_orders.moc"
