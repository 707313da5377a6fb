#pragma once
// A demo database beside the test program, the data module, and the main window logged in as the
// demo cashier through the scripted login window.

#include "data/dm_smeta.h"
#include "desk/tform1.h"
#include "tests/support/scripted_dialogs.h"

#include <memory>

namespace zur::test {

class DeskFixture {
  public:
    // Creates the demo database `name` beside the test program and its credentials file.
    explicit DeskFixture(const QString& name);

    // A fresh main window; the login runs through `dialogs` (a modal step is added).
    std::unique_ptr<desk::TForm1> openWindow(ScriptedDialogs& dialogs);

    // Runs a statement on a connection of its own (test set-up, not the desk's connection).
    void execute(const QString& statement);
    // The first column of the first row of a query on a connection of its own.
    QVariant scalar(const QString& statement);

    data::TDM_Smeta& dm() { return *dm_; }

  private:
    QString path_;
    std::unique_ptr<data::TDM_Smeta> dm_;
};

// Sets the key of `box` and reports it as the cashier's pick.
void pick(ui::DBLookupComboBox* box, const QVariant& key);

}  // namespace zur::test
