#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "platform/report/page.h"
#include "platform/report/painter.h"

using namespace zur::report;

namespace {

Label textAt(const QString& name, double y, const QString& text) {
    Label label;
    label.name = name;
    label.rect = QRectF(10, y, 120, 8);
    label.text = text;
    return label;
}

Page samplePage() {
    Page page(QStringLiteral("Проба"), QPageSize(QPageSize::A5), QPageLayout::Landscape,
              QMarginsF(5, 7, 7, 7));
    page.add(textAt("shown", 0, QStringLiteral("Видимый текст")));
    page.add(textAt("disabled", 10, QStringLiteral("Выключенный текст"))).enabled = false;
    page.add(textAt("removed", 20, QStringLiteral("Удалённый текст")));
    page.remove("removed");
    Label field = textAt("field", 30, QString());
    field.dataColumn = QStringLiteral("p23-2");
    page.add(field);
    page.bind(QStringLiteral("P23-2"), QStringLiteral("Привязанное поле"));
    Label wrapped = textAt("wrapped", 40, QStringLiteral("Первая строка\rВторая строка"));
    wrapped.rect.setHeight(16);
    wrapped.wrap = true;
    page.add(wrapped);
    page.addFrame(QRectF(0, 0, 198, 134));
    page.addRule(QLineF(0, 60, 198, 60));
    return page;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString tool(const char* name) {
    return QStandardPaths::findExecutable(QString::fromUtf8(name));
}

}  // namespace

class TestPage : public QObject {
    Q_OBJECT
  private slots:
    void labelsByName();
    void bindingTouchesOnlyItsFields();
    void pdfText_data();
    void pdfText();
    void pdfPageIsA5Landscape();
    void printerOutput();
};

void TestPage::labelsByName() {
    Page page = samplePage();
    QVERIFY(page.contains("shown"));
    QVERIFY(!page.contains("removed"));
    QVERIFY(!page.remove("removed"));
    QVERIFY(!page.setText("removed", QStringLiteral("x")));
    QVERIFY(!page.contains("removed"));
    QVERIFY(page.text("removed").isEmpty());
    const int count = page.labels().size();
    page.add(textAt("shown", 50, QStringLiteral("Заменён")));
    QCOMPARE(page.labels().size(), count);
    QCOMPARE(page.text("shown"), QStringLiteral("Заменён"));
    QCOMPARE(page.areaMm(), QSizeF(198, 134));
}

void TestPage::bindingTouchesOnlyItsFields() {
    Page page = samplePage();
    QCOMPARE(page.text("field"), QStringLiteral("Привязанное поле"));
    QCOMPARE(page.bind(QStringLiteral("name"), QStringLiteral("x")), 0);
    QCOMPARE(page.bind(QString(), QStringLiteral("x")), 0);
    QCOMPARE(page.text("shown"), QStringLiteral("Видимый текст"));
}

void TestPage::pdfText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("printed");
    QTest::newRow("enabled label") << "Видимый текст" << true;
    QTest::newRow("bound data field") << "Привязанное поле" << true;
    QTest::newRow("second line after a carriage return") << "Вторая строка" << true;
    QTest::newRow("disabled label") << "Выключенный текст" << false;
    QTest::newRow("removed label") << "Удалённый текст" << false;
}

void TestPage::pdfText() {
    QFETCH(QString, text);
    QFETCH(bool, printed);
    if (tool("pdftotext").isEmpty()) {
        QSKIP("pdftotext is not installed");
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath("page.pdf");
    QVERIFY(renderToPdf(samplePage(), pdf));
    const QString out = run(tool("pdftotext"), {"-raw", pdf, "-"});
    QCOMPARE(out.contains(text), printed);
}

void TestPage::pdfPageIsA5Landscape() {
    if (tool("pdfinfo").isEmpty()) {
        QSKIP("pdfinfo is not installed");
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath("page.pdf");
    QVERIFY(renderToPdf(samplePage(), pdf));
    const QString info = run(tool("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QStringLiteral("595 x 420 pts (A5)")), qPrintable(info));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages: +1\\n"))));
}

void TestPage::printerOutput() {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    QVERIFY(print(samplePage(), printer));
    QVERIFY(QFileInfo(dir.filePath("printed.pdf")).size() > 0);
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!renderToPdf(samplePage(), dir.filePath("missing/folder/page.pdf")));
}

QTEST_MAIN(TestPage)
#include "test_page.moc"
