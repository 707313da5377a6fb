#include "session/login.h"

#include "data/dm_smeta.h"
#include "data/session_context.h"
#include "platform/ui/dialogs.h"
#include "session/first_connect_info.h"
#include "session/login_window.h"

#include <QEventLoop>
#include <QTimer>
#include <cstdlib>

namespace zur::session {

namespace {

void waitPainting(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

bool run_login(QWidget* mainWindow, MainWindowHooks hooks) {
    data::TDM_Smeta& dm = *data::DM_Smeta;
    data::SessionContext& context = data::SessionContext::instance();
    LoginHooks login;
    login.setProgramCaption = hooks.setCaptionSuffix;
    login.setCurrentUserId = [&context](int id) { context.current_user_id = id; };
    login.setCurrentLogin = [&context](const QString& name) { context.current_login = name; };
    login.loadSessionContext = [&dm, &context, &hooks] {
        hooks.applySwitches(load_session_context(dm, context));
    };
    login.waitMilliseconds = hooks.waitMilliseconds ? hooks.waitMilliseconds : waitPainting;
    login.terminateProgram = [] { std::exit(0); };
    login.credentialsPath = credentials_path;
    TForm8 window(dm.ADOCon, login, mainWindow);
    return ui::Dialogs::instance().runModal(window) == QDialog::Accepted;
}

}  // namespace zur::session
