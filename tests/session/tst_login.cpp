// The login window against a scripted GET_USER on an embedded database file.

#include "embedded/credentials_file.h"
#include "platform/db/connection.h"
#include "platform/db/procedures.h"
#include "platform/text/md5_hex.h"
#include "platform/ui/shadow_label.h"
#include "session/first_connect_info.h"
#include "session/get_user.h"
#include "session/login_window.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace zur;
using namespace zur::session;

namespace {

// What the scripted procedure answers, and the arguments of its last call.
struct ScriptedGetUser {
    QVector<QVariant> row{QStringLiteral("sdbg"), QStringLiteral("`tt"), 7, 50, QString(), 8};
    QVector<QVariant> lastArguments;
    int calls = 0;
};
ScriptedGetUser procedure;

void registerScriptedGetUser() {
    db::registerProcedure(QStringLiteral("GET_USER"),
                          [](db::ProcedureContext&, const db::ProcedureArgs& args) {
                              ++procedure.calls;
                              procedure.lastArguments.clear();
                              for (int i = 0; i < args.size(); ++i) {
                                  procedure.lastArguments.append(args.get(i, {}));
                              }
                              db::ResultSet result;
                              for (const char* name : {"u", "p", "id", "state", "msg", "version"}) {
                                  result.columns.append({QString::fromLatin1(name), {}});
                              }
                              result.rows.append(procedure.row);
                              return result;
                          });
}

}  // namespace

class TestLogin : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    db::Connection connection_;
    QString credentials_;
    int waitedMs_ = 0;
    bool terminated_ = false;
    int sessionLoads_ = 0;
    bool failSessionLoad_ = false;
    int userId_ = 0;
    QString login_;

    std::unique_ptr<TForm8> makeWindow() {
        LoginHooks hooks;
        hooks.setProgramCaption = [](const QString&) {};
        hooks.setCurrentUserId = [this](int id) { userId_ = id; };
        hooks.setCurrentLogin = [this](const QString& login) { login_ = login; };
        hooks.loadSessionContext = [this] {
            ++sessionLoads_;
            if (failSessionLoad_) {
                throw db::DbError(QStringLiteral("Invalid object name 'Def_Uslug'."));
            }
        };
        hooks.waitMilliseconds = [this](int ms) { waitedMs_ += ms; };
        hooks.terminateProgram = [this] { terminated_ = true; };
        hooks.credentialsPath = [this] { return credentials_; };
        auto window = std::make_unique<TForm8>(connection_, hooks);
        window->Login_Edit->setText(QStringLiteral("kassir"));
        window->Password_Edit->setText(QStringLiteral("kassir1"));
        return window;
    }

    void writeCredentials(const QByteArray& bytes) {
        QFile file(credentials_);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

  private Q_SLOTS:
    void initTestCase() {
        registerScriptedGetUser();
        // The file's server field holds 20 characters: the database lies beside the test program.
        const QString database = QStringLiteral("tst_login.db");
        QFile::remove(QDir(QCoreApplication::applicationDirPath()).filePath(database));
        db::Connection creator;
        creator.setConnectionString(QStringLiteral("Data Source=sqlite:%1;Create=1").arg(database));
        creator.open();
        credentials_ = dir_.filePath(QStringLiteral("ZUR"));
        writeCredentials(embedded::credentialsFile(
            {QStringLiteral("tech"), QStringLiteral("secret"), QStringLiteral("sqlite:") + database,
             QStringLiteral("ZUR")}));
    }

    void init() {
        procedure = ScriptedGetUser{};
        waitedMs_ = 0;
        terminated_ = false;
        sessionLoads_ = 0;
        failSessionLoad_ = false;
        connection_.close();
    }

    void statementCarriesTheNineArguments_data() {
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("third");
        QTest::addColumn<QString>("ninth");
        QTest::newRow("no change") << "NULL"
                                   << "NULL"
                                   << "'4'";
        QTest::newRow("new password") << "abc_12"
                                      << "'" + text::md5_hex(u"abc_12") + "'"
                                      << "'34'";
    }

    void statementCarriesTheNineArguments() {
        QFETCH(QString, newPassword);
        QFETCH(QString, third);
        QFETCH(QString, ninth);
        const QString statement =
            get_user_statement({QStringLiteral("o'neil"), QStringLiteral("pw"), newPassword,
                                QStringLiteral("10.0.0.5"), QStringLiteral("KASSA-1")});
        QCOMPARE(statement,
                 QStringLiteral("EXEC GET_USER 'o''neil','%1',%2, 'ZUR 10', '10.0.0.5', 'KASSA-1', "
                                "'o''neil','0',%3")
                     .arg(text::md5_hex(u"pw"), third, ninth));
    }

    void logsInWithTheWorkingCredentials() {
        auto window = makeWindow();
        window->SpeedButton2Click();
        QCOMPARE(window->result(), int(QDialog::Accepted));
        QVERIFY(connection_.isOpen());
        QCOMPARE(sessionLoads_, 1);
        QCOMPARE(userId_, 7);
        QCOMPARE(login_, QStringLiteral("kassir"));
        QVERIFY(connection_.connectionString().contains(QStringLiteral("User ID=tech;")));
        QVERIFY(connection_.connectionString().contains(QStringLiteral("Password=auu;")));
        QCOMPARE(procedure.lastArguments.value(0).toString(), QStringLiteral("kassir"));
        QCOMPARE(procedure.lastArguments.value(1).toString(), text::md5_hex(u"kassir1"));
        QVERIFY(procedure.lastArguments.value(2).isNull());
        QCOMPARE(procedure.lastArguments.value(8).toString(), QStringLiteral("4"));
    }

    void minimalVersion_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("ends");
        QTest::newRow("8 admitted") << 8 << false;
        QTest::newRow("9 ends the program") << 9 << true;
    }

    void minimalVersion() {
        QFETCH(int, version);
        QFETCH(bool, ends);
        procedure.row[5] = version;
        auto window = makeWindow();
        window->SpeedButton2Click();
        QCOMPARE(terminated_, ends);
        QCOMPARE(waitedMs_, ends ? 5000 : 0);
        QCOMPARE(window->Label1->text() == QStringLiteral("Скачайте новую версию с портала ZUR !"),
                 ends);
        QCOMPARE(window->result() == QDialog::Accepted, !ends);
    }

    void passwordState_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("firstAsks");
        QTest::addColumn<bool>("secondAsks");
        QTest::newRow("19 asks once") << 19 << true << false;
        QTest::newRow("20 never asks") << 20 << false << false;
        QTest::newRow("-1 always asks") << -1 << true << true;
    }

    void passwordState() {
        QFETCH(int, state);
        QFETCH(bool, firstAsks);
        QFETCH(bool, secondAsks);
        procedure.row[3] = state;
        auto window = makeWindow();
        const QString mustChange = QStringLiteral(
            "Вы должны поменять пароль\rЭто делается для безопастности и сохранения данных от "
            "злоумышлеников");
        window->SpeedButton2Click();
        QCOMPARE(window->RzLabel1->text() == mustChange, firstAsks);
        QCOMPARE(window->change_panel_open(), firstAsks);
        QCOMPARE(connection_.isOpen(), !firstAsks);
        if (!firstAsks) {
            return;
        }
        QCOMPARE(window->SpeedButton3->isEnabled(), !secondAsks);
        if (window->SpeedButton3->isEnabled()) {
            window->SpeedButton3Click();  // the cashier closes the panel and keeps the password
        }
        window->RzLabel1->clear();
        window->Edit1->setText(QStringLiteral("abc_12"));
        window->Edit2->setText(QStringLiteral("abc_12"));
        window->SpeedButton2Click();
        QCOMPARE(window->RzLabel1->text() == mustChange, secondAsks);
        QCOMPARE(window->result() == QDialog::Accepted, !secondAsks);
    }

    void newPasswordChecks_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("message");
        QTest::newRow("mismatch")
            << "abcdef"
            << "abcdeg"
            << "Новый пароль подтвержден не верно!!!\rПодтвердите пароль заново.";
        QTest::newRow("five characters")
            << "abcde"
            << "abcde"
            << "Пароль должен состоять не менее чем из 6 символов!!!\rВведите новый пароль заново.";
        QTest::newRow("six characters") << "abc_12"
                                        << "abc_12"
                                        << "";
    }

    void newPasswordChecks() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, message);
        auto window = makeWindow();
        window->SpeedButton3Click();
        window->Edit1->setText(first);
        window->Edit2->setText(second);
        window->SpeedButton2Click();
        QCOMPARE(window->RzLabel1->text(), message);
        if (!message.isEmpty()) {
            QCOMPARE(procedure.calls, 0);
            QVERIFY(window->Edit1->text().isEmpty() && window->Edit2->text().isEmpty());
            return;
        }
        QCOMPARE(procedure.lastArguments.value(2).toString(), text::md5_hex(first));
        QCOMPARE(procedure.lastArguments.value(8).toString(), QStringLiteral("34"));
        QCOMPARE(window->result(), int(QDialog::Accepted));
    }

    void newPasswordAcceptsOnlyLettersDigitsAndUnderscore() {
        auto window = makeWindow();
        window->SpeedButton3Click();
        window->Edit1->setFocus();
        QTest::keyClicks(window->Edit1, QStringLiteral("ab-c d_1"));
        QTest::sendKeyEvent(QTest::Click, window->Edit1, Qt::Key_unknown, QStringLiteral("ё"),
                            Qt::NoModifier);
        QCOMPARE(window->Edit1->text(), QStringLiteral("abcd_1"));
    }

    void enterInEveryEditLogsIn() {
        auto window = makeWindow();
        procedure.row[4] = QStringLiteral("Пользователь заблокирован");
        window->SpeedButton3Click();
        int presses = 0;
        for (QLineEdit* edit :
             {window->Login_Edit, window->Password_Edit, window->Edit1, window->Edit2}) {
            window->Edit1->setText(QStringLiteral("abc_12"));
            window->Edit2->setText(QStringLiteral("abc_12"));
            QTest::keyClick(edit, Qt::Key_Return);
            QCOMPARE(int(window->attempt_count()), ++presses);
        }
        QCOMPARE(window->Login_Edit->text(), QStringLiteral("kassir"));
        QCOMPARE(window->RzLabel1->text(), QStringLiteral("Пользователь заблокирован"));
        QCOMPARE(procedure.calls, 4);
    }

    void failuresKeepTheWindowOpen() {
        test::ScriptedDialogs dialogs;
        dialogs.answer(ui::Button::Ok).answer(ui::Button::Ok);
        auto window = makeWindow();

        db::registerProcedure(QStringLiteral("GET_USER"),
                              [](db::ProcedureContext& context, const db::ProcedureArgs&) {
                                  return context.run(QStringLiteral("SELECT * FROM missing"));
                              });
        window->SpeedButton2Click();
        QCOMPARE(window->RzLabel1->text(), QStringLiteral("Неверно ввели логин или пароль."));
        QVERIFY(!connection_.isOpen());
        registerScriptedGetUser();

        failSessionLoad_ = true;
        window->SpeedButton2Click();
        QCOMPARE(window->RzLabel1->text(), QString());
        QVERIFY(!connection_.isOpen());
        QCOMPARE(window->result(), int(QDialog::Rejected));
        QCOMPARE(dialogs.calls().size(), 2);
        QVERIFY(dialogs.calls()[1].text.contains(QStringLiteral("Def_Uslug")));
    }

    void credentialsFileProblemsAreShown_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("short") << QByteArray(83, 'a') << true;
    }

    void credentialsFileProblemsAreShown() {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        const QString saved = credentials_;
        credentials_ = dir_.filePath(QStringLiteral("other"));
        QFile::remove(credentials_);
        if (exists) {
            writeCredentials(content);
        }
        test::ScriptedDialogs dialogs;
        dialogs.answer(ui::Button::Ok);
        auto window = makeWindow();
        window->SpeedButton2Click();
        credentials_ = saved;
        QCOMPARE(procedure.calls, 0);
        QCOMPARE(window->result(), int(QDialog::Rejected));
        QCOMPARE(dialogs.calls(test::ScriptedDialogs::Kind::Message).size(), 1);
    }

    void leaveEndsWithCancel() {
        auto window = makeWindow();
        window->SpeedButton1Click();
        QCOMPARE(window->result(), int(QDialog::Rejected));
    }
};

// The credentials file and its text shift.
class TestCredentials : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void lengthBytesLimitTheTexts_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("user");
        QTest::newRow("0 gives an empty text") << 0 << "";
        QTest::newRow("5") << 5 << "abcde";
        QTest::newRow("25 gives the whole field") << 25 << "abcdefghijklmnopqrst";
    }

    void lengthBytesLimitTheTexts() {
        QFETCH(int, length);
        QFETCH(QString, user);
        QByteArray bytes = embedded::credentialsFile(
            {QStringLiteral("abcdefghijklmnopqrst"), QStringLiteral("пароль"),
             QStringLiteral("SERVER\\SQL"), QStringLiteral("ZUR")});
        bytes[40] = char(length);
        const TFirstConnectInfo info = decode_first_connect_info(bytes);
        QCOMPARE(info.user, user);
        QCOMPARE(info.password, QStringLiteral("пароль"));
        QCOMPARE(info.database, QStringLiteral("ZUR"));
        QCOMPARE(info.server, QStringLiteral("SERVER\\SQL"));
    }

    void shiftWrapsAround() {
        QCOMPARE(unshift_text(QByteArray("\xFF"
                                         "a",
                                         2)),
                 QByteArray("\x00"
                            "b",
                            2));
        QCOMPARE(unshift_text(QStringLiteral("`tt")), QStringLiteral("auu"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int status = 0;
    {
        TestCredentials credentials;
        status |= QTest::qExec(&credentials, argc, argv);
    }
    {
        TestLogin login;
        status |= QTest::qExec(&login, argc, argv);
    }
    return status;
}

#include "tst_login.moc"
