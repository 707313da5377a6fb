#include "platform/text/cp1251.h"
#include "platform/text/md5_hex.h"

#include <QTest>

using namespace zur::text;

class TestText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTripsCyrillic_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("latin") << "kassir1" << QByteArray("kassir1");
        QTest::newRow("capitals") << "АЯ" << QByteArray("\xC0\xDF");
        QTest::newRow("small") << "аяё" << QByteArray("\xE0\xFF\xB8");
        QTest::newRow("yo and numero") << "Ё№" << QByteArray("\xA8\xB9");
    }

    void roundTripsCyrillic() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(toCp1251(text), bytes);
        QCOMPARE(fromCp1251(bytes), text);
    }

    void unknownCharacterBecomesQuestionMark() { QCOMPARE(toCp1251(u"a\u4e2d"), QByteArray("a?")); }

    void digestsTheSingleByteText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("digest");
        // RFC 1321 test suite values, and one Cyrillic text digested as its Windows-1251 bytes.
        QTest::newRow("empty") << "" << "D41D8CD98F00B204E9800998ECF8427E";
        QTest::newRow("abc") << "abc" << "900150983CD24FB0D6963F7D28E17F72";
        QTest::newRow("cyrillic") << "пароль" << "749789E4982B0C563F6729AAC100A614";
    }

    void digestsTheSingleByteText() {
        QFETCH(QString, text);
        QFETCH(QString, digest);
        QCOMPARE(md5_hex(text), digest);
    }
};

QTEST_APPLESS_MAIN(TestText)
#include "tst_text.moc"
