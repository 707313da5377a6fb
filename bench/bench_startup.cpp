// From the start of the program to the login window shown, and from the log-in press to the main
// window ready, on the demo database and on a 100 000-student one. Each measurement runs in a
// process of its own, as a cashier starts the program.

#include "data/dm_smeta.h"
#include "desk/tform1.h"
#include "embedded/credentials_file.h"
#include "embedded/demo.h"
#include "embedded/procedures.h"
#include "platform/ui/dialogs.h"
#include "session/login_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

using namespace zur;

QElapsedTimer sinceStart;

// Answers the login window as a cashier would, and notes when it was shown and pressed.
class TimedLogin : public ui::Dialogs {
  public:
    qint64 shownAt = -1;
    qint64 pressedAt = -1;

    ui::Button message(const QString& text, const QString&, ui::Icon, ui::Buttons) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return ui::Button::Ok;
    }
    int runModal(QDialog& dialog) override {
        auto& login = static_cast<session::TForm8&>(dialog);
        login.show();
        QApplication::processEvents();
        shownAt = sinceStart.nsecsElapsed();
        login.Login_Edit->setText(QStringLiteral("kassir"));
        login.Password_Edit->setText(QStringLiteral("kassir1"));
        pressedAt = sinceStart.nsecsElapsed();
        login.SpeedButton2Click();
        return login.result();
    }
    void printPreview(const ui::Printable&) override {}
    bool openUrl(const QUrl&) override { return false; }
};

// The program's start sequence with the login answered; prints both times in milliseconds.
int measure(int argc, char** argv) {
    sinceStart.start();
    QApplication application(argc, argv);
    embedded::registerProcedures();
    TimedLogin login;
    ui::Dialogs::install(&login);
    data::TDM_Smeta dataModule;
    desk::TForm1 mainWindow;
    if (!mainWindow.loggedIn()) {
        return 1;
    }
    mainWindow.show();
    QApplication::processEvents();
    const qint64 readyAt = sinceStart.nsecsElapsed();
    std::printf("%.1f %.1f\n", login.shownAt / 1e6, (readyAt - login.pressedAt) / 1e6);
    return 0;
}

// Points the credentials file beside this program at `database`.
void useDatabase(const QString& database) {
    const QDir programDir(QCoreApplication::applicationDirPath());
    programDir.mkpath(QStringLiteral("Data"));
    QFile file(programDir.filePath(QStringLiteral("Data/ZUR")));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(
        embedded::credentialsFile({QStringLiteral("zur_tech"), QStringLiteral("tech"),
                                   QStringLiteral("sqlite:") + database, QStringLiteral("ZUR")}));
}

void runFor(const char* what, const QString& database) {
    useDatabase(database);
    constexpr int kRuns = 5;
    double shown = 0;
    double ready = 0;
    for (int i = 0; i < kRuns; ++i) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--measure")});
        child.waitForFinished(120000);
        const QStringList figures = QString::fromLatin1(child.readAllStandardOutput()).split(u' ');
        shown += figures.value(0).toDouble();
        ready += figures.value(1).toDouble();
    }
    std::printf("%-32s start -> login shown %7.1f ms   press -> main window ready %7.1f ms\n", what,
                shown / kRuns, ready / kRuns);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && QByteArray(argv[1]) == "--measure") {
        return measure(argc, argv);
    }
    QCoreApplication application(argc, argv);
    // The server field of the credentials file holds 20 characters: short names beside the program.
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString demo = QStringLiteral("b_demo.db");
    const QString large = QStringLiteral("b_large.db");
    QFile::remove(programDir.filePath(demo));
    QFile::remove(programDir.filePath(large));
    embedded::createDemo(programDir.filePath(demo));
    embedded::createDemo(programDir.filePath(large), 100000, 200000);
    runFor("demo database", demo);
    runFor("100 000 students", large);
    QFile::remove(programDir.filePath(demo));
    QFile::remove(programDir.filePath(large));
    return 0;
}
