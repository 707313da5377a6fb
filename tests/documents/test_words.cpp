#include <QTest>

#include "documents/document_data.h"
#include "documents/order_text.h"
#include "documents/words.h"

using namespace zur::documents;

class TestWords : public QObject {
    Q_OBJECT
  private slots:
    void amountInWords_data();
    void amountInWords();
    void dateInWords_data();
    void dateInWords();
    void splitAmount_data();
    void splitAmount();
    void amountLine_data();
    void amountLine();
    void dateLines();
    void moneyText_data();
    void moneyText();
};

void TestWords::amountInWords_data() {
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("receipt");
    QTest::addColumn<QString>("expense");
    const auto row = [](const char* digits, const QString& words) {
        QTest::newRow(digits) << QString::fromUtf8(digits) << words + QStringLiteral(" ")
                              << words + QStringLiteral("  ");
    };
    row("1", "ОДИН  СОМ");
    row("2", "ДВА  СОМА");
    row("5", "ПЯТЬ  СОМОВ");
    row("11", "ОДИННАДЦАТЬ  СОМОВ");
    row("12", "ДВЕНАДЦАТЬ  СОМОВ");
    row("21", "ДВАДЦАТЬ ОДИН  СОМ");
    row("100", "СТО  СОМОВ");
    row("111", "СТО ОДИННАДЦАТЬ  СОМОВ");
    row("114", "СТО ЧЕТЫРНАДЦАТЬ  СОМОВ");
    row("1001", "ОДНА ТЫСЯЧА ОДИН  СОМ");
    row("1013", "ОДНА ТЫСЯЧА ТРИНАДЦАТЬ  СОМОВ");
    row("1234", "ОДНА ТЫСЯЧА ДВЕСТИ ТРИДЦАТЬ ЧЕТЫРЕ  СОМА");
    row("1500", "ОДНА ТЫСЯЧА ПЯТЬСОТ  СОМОВ");
    row("2000", "ДВЕ ТЫСЯЧИ  СОМОВ");
    row("5000", "ПЯТЬ ТЫСЯЧ  СОМОВ");
    row("11000", "ОДИННАДЦАТЬ ТЫСЯЧ  СОМОВ");
    row("22002", "ДВАДЦАТЬ ДВЕ ТЫСЯЧИ ДВА  СОМА");
    row("1000000", "ОДИН МИЛЛИОН  СОМОВ");
    row("1000001", "ОДИН МИЛЛИОН ОДИН  СОМ");
    row("2000000", "ДВА МИЛЛИОНА  СОМОВ");
    row("1000000000", "ОДИН МИЛЛИАРД  СОМОВ");
    row("999999999999",
        "ДЕВЯТЬСОТ ДЕВЯНОСТО ДЕВЯТЬ МИЛЛИАРДОВ ДЕВЯТЬСОТ ДЕВЯНОСТО ДЕВЯТЬ "
        "МИЛЛИОНОВ ДЕВЯТЬСОТ ДЕВЯНОСТО ДЕВЯТЬ ТЫСЯЧ ДЕВЯТЬСОТ ДЕВЯНОСТО ДЕВЯТЬ  "
        "СОМОВ");
    QTest::newRow("0") << "0"
                       << "Ноль"
                       << "Ноль";
    QTest::newRow("000") << "000"
                         << "Ноль"
                         << "Ноль";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestWords::amountInWords() {
    QFETCH(QString, digits);
    QFETCH(QString, receipt);
    QFETCH(QString, expense);
    QCOMPARE(amount_in_words(digits, WordsVariant::Receipt), receipt);
    QCOMPARE(amount_in_words(digits, WordsVariant::Expense), expense);
}

void TestWords::dateInWords_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("words");
    QTest::newRow("march") << "05.03.2016"
                           << "05 Марта 2016 года";
    QTest::newRow("june") << "19.06.2015"
                          << "19 Июня 2015 года";
    QTest::newRow("january") << "01.01.2020"
                             << "01 Января 2020 года";
    QTest::newRow("december") << "31.12.1999"
                              << "31 Декабря 1999 года";
}

void TestWords::dateInWords() {
    QFETCH(QString, date);
    QFETCH(QString, words);
    QCOMPARE(date_in_words(date), words);
}

void TestWords::splitAmount_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("integer");
    QTest::addColumn<QString>("fraction");
    QTest::newRow("leading blanks") << "   1500,00"
                                    << "1500"
                                    << "00";
    QTest::newRow("cents") << "     12,34"
                           << "12"
                           << "34";
    QTest::newRow("no separator") << "1500"
                                  << "1500"
                                  << "00";
    QTest::newRow("point separator") << "   1500.50"
                                     << "1500"
                                     << "50";
}

void TestWords::splitAmount() {
    QFETCH(QString, amount);
    QFETCH(QString, integer);
    QFETCH(QString, fraction);
    const AmountParts parts = split_amount(amount);
    QCOMPARE(parts.integer, integer);
    QCOMPARE(parts.fraction, fraction);
}

void TestWords::amountLine_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("receipt");
    QTest::addColumn<QString>("expense");
    QTest::newRow("1500") << "   1500,00"
                          << "ОДНА ТЫСЯЧА ПЯТЬСОТ  СОМОВ 00 т."
                          << "ОДНА ТЫСЯЧА ПЯТЬСОТ  СОМОВ  00 т.";
    QTest::newRow("21,05") << "     21,05"
                           << "ДВАДЦАТЬ ОДИН  СОМ 05 т."
                           << "ДВАДЦАТЬ ОДИН  СОМ  05 т.";
    QTest::newRow("below one som") << "      0,50"
                                   << "НОЛЬ  СОМОВ 50 т."
                                   << "НОЛЬ  СОМОВ  50 т.";
}

void TestWords::amountLine() {
    QFETCH(QString, amount);
    QFETCH(QString, receipt);
    QFETCH(QString, expense);
    QCOMPARE(amount_line(amount, WordsVariant::Receipt), receipt);
    QCOMPARE(amount_line(amount, WordsVariant::Expense), expense);
}

void TestWords::dateLines() {
    const QDateTime paid(QDate(2015, 6, 19), QTime(16, 40));
    QCOMPARE(date_time_line(paid, QTime(9, 5)), QStringLiteral("19 Июня 2015 года 9:05"));
    QCOMPARE(date_time_line(paid, QTime(14, 30)), QStringLiteral("19 Июня 2015 года 14:30"));
    QCOMPARE(short_date_line(paid), QStringLiteral("19 Июня 2015 г."));
}

void TestWords::moneyText_data() {
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("thousand") << 1000.0 << "   1000,00";
    QTest::newRow("half cent up") << 0.125 << "      0,13";
    QTest::newRow("wide") << 12345678.9 << "12345678,90";
}

void TestWords::moneyText() {
    QFETCH(double, amount);
    QFETCH(QString, text);
    QCOMPARE(money_text(amount), text);
}

QTEST_APPLESS_MAIN(TestWords)
#include "test_words.moc"
