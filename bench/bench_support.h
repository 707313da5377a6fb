#pragma once
// What several benchmarks set up the same way.

#include "desk/tform1.h"

#include <QString>
#include <QTemporaryDir>

namespace zur::data {
class TDM_Smeta;
}

namespace zur::bench {

// The database to measure: the file named as the program's first argument, or a demo database of
// the given size generated in `dir` (the time it took is printed). Registers the procedures.
QString benchDatabase(const QTemporaryDir& dir, int students, int payments);

// A login that leaves the session as the real one does, on `path`, without the login window:
// the cashier `kassir` (user 1) with the session context loaded.
desk::LoginRunner sessionWithoutLoginWindow(data::TDM_Smeta& dm, const QString& path);

}  // namespace zur::bench
