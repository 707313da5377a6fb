// Opening every student of a 100 000-student database into the data set that feeds the typed
// search lookup box (ADOQ_Grid2 of the data module). Goal: under 300 ms.
//   bench_dataset [database file]   (an existing file skips the generation)

#include "bench/bench_support.h"
#include "data/dm_smeta.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

using namespace zur;

constexpr int kStudents = 100000;
constexpr int kPayments = 100000;  // the student list does not depend on them
constexpr int kRuns = 7;

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = bench::benchDatabase(dir, kStudents, kPayments);
    data::TDM_Smeta module;
    module.ADOCon.setConnectionString(QStringLiteral("Data Source=sqlite:") + path);
    module.ADOCon.open();
    db::DataSet& students = *module.ADOQ_Grid2;

    // The statement alone, then the data set around it: the difference is the data set's own.
    std::vector<double> statement;
    std::vector<double> opening;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        module.ADOCon.query(students.sqlText());
        statement.push_back(timer.nsecsElapsed() / 1e6);
        students.close();
        timer.start();
        students.open();
        opening.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(statement.begin(), statement.end());
    std::sort(opening.begin(), opening.end());
    std::printf("statement of ADOQ_Grid2 alone: median %.1f ms\n", statement[kRuns / 2]);
    std::printf("open ADOQ_Grid2 (%d students): median %.1f ms, best %.1f ms, worst %.1f ms\n",
                students.recordCount(), opening[kRuns / 2], opening.front(), opening.back());

    QElapsedTimer timer;
    timer.start();
    const bool found = students.locate(QStringLiteral("id_student"), kStudents / 2);
    std::printf("locate by id_student in the open list: %.1f ms (%s)\n", timer.nsecsElapsed() / 1e6,
                found ? "found" : "not found");
    return 0;
}
