// The cashier's desk: the data module, the main window whose creation runs the login, the
// progress window, and the message loop.

#include "app/tform25.h"
#include "data/dm_smeta.h"
#include "desk/tform1.h"
#include "embedded/procedures.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("ZUR 10 Касса"));
    zur::embedded::registerProcedures();

    zur::data::TDM_Smeta dataModule;
    zur::desk::TForm1 mainWindow;
    if (!mainWindow.loggedIn()) {
        return 0;
    }
    zur::app::TForm25 progress;
    // Centred on the desktop.
    mainWindow.move(mainWindow.screen()->availableGeometry().center() - mainWindow.rect().center());
    mainWindow.show();
    return application.exec();
}
