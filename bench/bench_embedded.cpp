// The embedded ZUR database at the size of a large university: 100 000 students and 1 000 000
// payments. Prints the generation time and the time of the statements the desk runs most: the
// contract lines of one student, the student list of one course and group, and the drawing of
// an order number with the recent numbers. Goal: each under 10 ms.
//   bench_embedded [database file]   (an existing file skips the generation)

#include "bench/bench_support.h"
#include "platform/db/connection.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using namespace zur;

constexpr int kStudents = 100000;
constexpr int kPayments = 1000000;
constexpr int kRuns = 300;

const char* const kContractLines =
    "SELECT * FROM Payment1V WHERE id_student=:@id_student AND id_ZUR_user=:@id_ZUR_user "
    "ORDER BY id_rate";

const char* const kGroupStudents =
    "SELECT dbo.s_fio.s_fio AS Normal_s_fio, dbo.s_fio.s_fio + CASE WHEN dbo.s_fio.idid IS NULL "
    "THEN '' ELSE ' - [ ' + dbo.s_fio.idid + ' ]' END + ' (' + CASE WHEN dbo.Student.BirthDate IS "
    "NULL THEN '' ELSE CAST(DATEPART(day, dbo.Student.BirthDate) AS VARCHAR(2)) + '.' + "
    "CAST(DATEPART(month, dbo.Student.BirthDate) AS VARCHAR(2)) + '.' + CAST(DATEPART(year, "
    "dbo.Student.BirthDate) AS VARCHAR(4)) END + ')' AS s_fio, dbo.s_fio.id_student FROM "
    "dbo.Student INNER JOIN dbo.s_fio ON dbo.Student.id_student = dbo.s_fio.id_student INNER JOIN "
    "dbo.movement_t ON dbo.Student.id_student = dbo.movement_t.id_student WHERE "
    "dbo.movement_t.id_rate =:id_rate and dbo.movement_t.id_group =:id_group GROUP BY "
    "dbo.s_fio.s_fio, dbo.s_fio.s_fio + CASE WHEN dbo.s_fio.idid IS NULL THEN '' ELSE ' - [ ' + "
    "dbo.s_fio.idid + ' ]' END + ' (' + CASE WHEN dbo.Student.BirthDate IS NULL THEN '' ELSE "
    "CAST(DATEPART(day, dbo.Student.BirthDate) AS VARCHAR(2)) + '.' + CAST(DATEPART(month, "
    "dbo.Student.BirthDate) AS VARCHAR(2)) + '.' + CAST(DATEPART(year, dbo.Student.BirthDate) AS "
    "VARCHAR(4)) END + ')', dbo.s_fio.id_student ORDER BY s_fio.s_fio";

// Runs `step` kRuns times (run i gets i) and prints the mean and the worst time.
void measure(const char* what, const std::function<int(int)>& step) {
    double total = 0;
    double worst = 0;
    int rows = 0;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        rows += step(i);
        const double ms = timer.nsecsElapsed() / 1e6;
        total += ms;
        worst = std::max(worst, ms);
    }
    std::printf("%-44s mean %7.3f ms   worst %7.3f ms   (%d runs, %.1f rows each)\n", what,
                total / kRuns, worst, kRuns, double(rows) / kRuns);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = bench::benchDatabase(dir, kStudents, kPayments);
    db::Connection connection;
    connection.setConnectionString(QStringLiteral("Data Source=sqlite:") + path);
    connection.open();

    const db::ResultSet stages = connection.query(QStringLiteral(
        "SELECT id_group, id_rate FROM g_r_y WHERE id_group IN (SELECT id_group FROM movement_t)"));
    const int students =
        connection.query(QStringLiteral("SELECT count(*) FROM Student")).rows[0][0].toInt();
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));

    measure("Payment1V of one student", [&](int i) {
        return int(connection
                       .query(QLatin1String(kContractLines),
                              {{QStringLiteral("id_student"), 1 + (i * 7919) % students},
                               {QStringLiteral("id_ZUR_user"), 1}})
                       .rows.size());
    });
    measure("students of one course and group", [&](int i) {
        const QVector<QVariant>& stage = stages.rows[(i * 104729) % stages.rows.size()];
        return int(
            connection
                .query(QLatin1String(kGroupStudents), {{QStringLiteral("id_rate"), stage[1]},
                                                       {QStringLiteral("id_group"), stage[0]}})
                .rows.size());
    });
    measure("order number and recent numbers", [&](int i) {
        const QString prefix = QStringLiteral("EXEC GetThreeNums '%1', %2, %3, ")
                                   .arg(today)
                                   .arg(1 + i % 2)
                                   .arg(i % 3 == 0 ? 0 : 1);
        const int drawn = int(
            connection.query(QStringLiteral("EXEC GetNum '%1', %2, 1, 1").arg(today).arg(1 + i % 2))
                .rows.size());
        return drawn + int(connection.query(prefix + u'1').rows.size()) +
               int(connection.query(prefix + u'0').rows.size());
    });
    return 0;
}
