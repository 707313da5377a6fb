#include "bench/bench_support.h"

#include "data/dm_smeta.h"
#include "data/session_context.h"
#include "embedded/demo.h"
#include "embedded/procedures.h"
#include "session/session_loader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace zur::bench {

QString benchDatabase(const QTemporaryDir& dir, int students, int payments) {
    embedded::registerProcedures();
    const QString given = QCoreApplication::arguments().value(1);
    if (!given.isEmpty()) {
        return given;
    }
    const QString path = dir.filePath(QStringLiteral("zur.db"));
    QElapsedTimer timer;
    timer.start();
    embedded::createDemo(path, students, payments);
    std::printf("demo database of %d students and %d payments: %.1f s\n", students, payments,
                double(timer.elapsed()) / 1000);
    return path;
}

desk::LoginRunner sessionWithoutLoginWindow(data::TDM_Smeta& dm, const QString& path) {
    return [&dm, path](desk::TForm1& window) {
        dm.ADOCon.setConnectionString(QStringLiteral("Data Source=sqlite:%1").arg(path));
        dm.ADOCon.open();
        auto& context = data::SessionContext::instance();
        context.current_user_id = 1;
        context.current_login = QStringLiteral("kassir");
        window.applySwitches(session::load_session_context(dm, context));
        return true;
    };
}

}  // namespace zur::bench
