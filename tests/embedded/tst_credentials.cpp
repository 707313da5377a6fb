// The credentials file that the program reads at login.

#include "embedded/credentials_file.h"

#include <QtTest>
#include <stdexcept>

using namespace zur::embedded;

class TestCredentials : public QObject {
    Q_OBJECT

  private slots:
    void layout();
    void shiftedBytes_data();
    void shiftedBytes();
    void tooLongTextIsRefused_data();
    void tooLongTextIsRefused();
};

void TestCredentials::layout() {
    const QByteArray file =
        credentialsFile({QStringLiteral("zur_tech"), QStringLiteral("tech"),
                         QStringLiteral("sqlite:Data/zur.db"), QStringLiteral("ZUR")});
    QCOMPARE(file.size(), kCredentialsFileSize);
    QCOMPARE(file.mid(0, 8), shiftedDown(u"zur_tech"));
    QCOMPARE(file.mid(8, 12), QByteArray(12, '\0'));
    QCOMPARE(file.mid(20, 4), shiftedDown(u"tech"));
    QCOMPARE(int(file[40]), 8);
    QCOMPARE(int(file[41]), 4);
    QCOMPARE(file.mid(42, 18), shiftedDown(u"sqlite:Data/zur.db"));
    QCOMPARE(file.mid(62, 3), shiftedDown(u"ZUR"));
    QCOMPARE(int(file[82]), 18);
    QCOMPARE(int(file[83]), 3);
}

void TestCredentials::shiftedBytes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("latin") << "Ab1" << QByteArray("@a0");
    QTest::newRow("cyrillic") << "Яа" << QByteArray("\xDE\xDF");
    QTest::newRow("byte 0 wraps to 255") << QString(QChar(0)) << QByteArray(1, '\xFF');
}

void TestCredentials::shiftedBytes() {
    QFETCH(QString, text);
    QTEST(shiftedDown(text), "bytes");
}

void TestCredentials::tooLongTextIsRefused_data() {
    QTest::addColumn<int>("field");
    for (int field = 0; field < 4; ++field) {
        QTest::addRow("field %d", field) << field;
    }
}

void TestCredentials::tooLongTextIsRefused() {
    QFETCH(int, field);
    QStringList texts{"u", "p", "s", "d"};
    texts[field] = QString(21, u'x');
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             credentialsFile({texts[0], texts[1], texts[2], texts[3]}));
    texts[field] = QString(20, u'x');
    QCOMPARE(credentialsFile({texts[0], texts[1], texts[2], texts[3]}).size(), 84);
}

QTEST_GUILESS_MAIN(TestCredentials)
#include "tst_credentials.moc"
