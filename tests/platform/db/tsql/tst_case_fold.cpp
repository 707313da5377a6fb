// The collation's comparison against the reference it must agree with: QString's full case
// folding of the decoded texts, trailing blanks dropped.

#include "platform/db/tsql/case_fold.h"

#include <QtTest>

using zur::tsql::compareFolded;

namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), size_t(bytes.size())};
}

int reference(const QByteArray& left, const QByteArray& right) {
    const auto fold = [](const QByteArray& bytes) {
        QString text = QString::fromUtf8(bytes);
        while (text.endsWith(u' '))
            text.chop(1);
        return text.toCaseFolded();
    };
    return sign(fold(left).compare(fold(right)));
}

QByteArray utf8(char32_t c) {
    return QString::fromUcs4(&c, 1).toUtf8();
}

}  // namespace

class TstCaseFold : public QObject {
    Q_OBJECT
  private slots:
    void compares_data() {
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<QByteArray>("right");
        QTest::addColumn<int>("expected");
        QTest::newRow("Cyrillic case") << QByteArray("ИВАН") << QByteArray("иван") << 0;
        QTest::newRow("Ё and ё") << QByteArray("Ёлка") << QByteArray("ёЛКА") << 0;
        QTest::newRow("trailing blanks")
            << QByteArray("Наличные   ") << QByteArray("наличные") << 0;
        QTest::newRow("leading blank counts") << QByteArray(" а") << QByteArray("а") << -1;
        QTest::newRow("prefix first") << QByteArray("Иван") << QByteArray("Иванов") << -1;
        QTest::newRow("order ignores case") << QByteArray("б") << QByteArray("В") << -1;
        QTest::newRow("shared bytes then case")
            << QByteArray("Иванов Петр (1.2.1990)") << QByteArray("Иванов ПЕТР (1.2.1991)") << -1;
        QTest::newRow("sharp s is no ss") << QByteArray("straße") << QByteArray("STRASSE") << 1;
        QTest::newRow("final sigma") << QByteArray("ς") << QByteArray("Σ") << 0;
        QTest::newRow("outside the basic plane") << utf8(0x10400) << utf8(0x10428) << 0;
        QTest::newRow("code units order") << utf8(0x10428) << utf8(0xFFFD) << -1;
        QTest::newRow("bad byte reads as U+FFFD")
            << QByteArray("a\xFF") << QByteArray("a\xEF\xBF\xBD") << 0;
        QTest::newRow("cut short sequence") << QByteArray("б\xD0") << QByteArray("Б") << 1;
        QTest::newRow("empty") << QByteArray("") << QByteArray("   ") << 0;
    }
    void compares() {
        QFETCH(QByteArray, left);
        QFETCH(QByteArray, right);
        QFETCH(int, expected);
        QCOMPARE(reference(left, right), expected);  // the table itself is right
        QCOMPARE(sign(compareFolded(view(left), view(right))), expected);
        QCOMPARE(sign(compareFolded(view(right), view(left))), -expected);
    }

    // Every code point against its neighbour and against its upper-case form.
    void agreesWithQtOnEveryCodePoint() {
        int mismatches = 0;
        for (char32_t c = 0; c < 0x10FFFF; ++c) {
            if (QChar::isSurrogate(c) || QChar::isSurrogate(c + 1))
                continue;
            const QByteArray text = "x" + utf8(c);
            for (const QByteArray& other : {"x" + utf8(c + 1), "x" + utf8(QChar::toUpper(c))}) {
                if (sign(compareFolded(view(text), view(other))) != reference(text, other) &&
                    ++mismatches < 5)
                    qWarning("U+%04X differs", unsigned(c));
            }
        }
        QCOMPARE(mismatches, 0);
    }
};

QTEST_APPLESS_MAIN(TstCaseFold)
#include "tst_case_fold.moc"
