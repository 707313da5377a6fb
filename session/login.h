#pragma once
// The login as the main window runs it during its creation.

#include "session/session_loader.h"

#include <QString>
#include <functional>

class QWidget;

namespace zur::session {

struct MainWindowHooks {
    // The caption's suffix " V8 [ ... ] - Касса": the main window appends it to its own caption
    // and gives the application the same title.
    std::function<void(const QString&)> setCaptionSuffix;
    std::function<void(const SessionSwitches&)> applySwitches;
    // The pause before a too old program ends; empty: a real wait that keeps the window painted.
    std::function<void(int)> waitMilliseconds;
};

// Shows the login window modally over `mainWindow` on the data module's connection. True after
// a successful login: the working connection is open and the session context is loaded.
bool run_login(QWidget* mainWindow, MainWindowHooks hooks);

}  // namespace zur::session
