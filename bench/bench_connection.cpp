// A simple indexed SELECT through the whole connection layer (translation, cached statement,
// binding, result set) against the same SELECT on the bare sqlite3 API.

#include "platform/db/connection.h"

#include <sqlite3.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kRows = 100000;
constexpr int kQueries = 200000;
const char* kQuery = "SELECT p1, amount FROM person WHERE id_person = :id";

void createDatabase(const QString& file) {
    zur::db::Connection connection;
    connection.setConnectionString(QStringLiteral("Data Source=sqlite:%1;Create=1").arg(file));
    connection.open();
    connection.runNativeScript(
        QStringLiteral(
            "CREATE TABLE person (id_person INTEGER PRIMARY KEY, p1 TEXT, amount FLOAT);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
            "INSERT INTO person SELECT i, 'Студент ' || i, i * 1.5 FROM n;")
            .arg(kRows));
}

double perQueryMicros(qint64 nanos) {
    return double(nanos) / kQueries / 1000.0;
}

// Bare API as a program would write it: prepare, bind, step, read, finalize every time.
double bareFresh(sqlite3* db) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kQueries; ++i) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, kQuery, -1, &stmt, nullptr);
        sqlite3_bind_int(stmt, 1, i % kRows + 1);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            sqlite3_column_text(stmt, 0);
            sqlite3_column_double(stmt, 1);
        }
        sqlite3_finalize(stmt);
    }
    return perQueryMicros(timer.nsecsElapsed());
}

// Bare API at its best: one statement prepared once and reused.
double bareReused(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, kQuery, -1, &stmt, nullptr);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kQueries; ++i) {
        sqlite3_bind_int(stmt, 1, i % kRows + 1);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            sqlite3_column_text(stmt, 0);
            sqlite3_column_double(stmt, 1);
        }
        sqlite3_reset(stmt);
    }
    const double result = perQueryMicros(timer.nsecsElapsed());
    sqlite3_finalize(stmt);
    return result;
}

double throughLayer(const QString& file) {
    zur::db::Connection connection;
    connection.setConnectionString(QStringLiteral("Data Source=sqlite:%1").arg(file));
    connection.open();
    const QString sql = QString::fromUtf8(kQuery);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kQueries; ++i) {
        const zur::db::ResultSet rs =
            connection.query(sql, {{QStringLiteral("id"), i % kRows + 1}});
        Q_UNUSED(rs);
    }
    return perQueryMicros(timer.nsecsElapsed());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.db"));
    createDatabase(file);
    sqlite3* db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    const double fresh = bareFresh(db);
    const double reused = bareReused(db);
    sqlite3_close(db);
    const double layer = throughLayer(file);
    std::printf("indexed SELECT, %d queries over %d rows (microseconds per query)\n", kQueries,
                kRows);
    std::printf("  bare sqlite3, prepared each time : %.2f\n", fresh);
    std::printf("  bare sqlite3, prepared once      : %.2f\n", reused);
    std::printf(
        "  connection layer (T-SQL, cached) : %.2f  (%+.0f%% vs prepared each time, %+.0f%% vs "
        "prepared once)\n",
        layer, (layer / fresh - 1) * 100, (layer / reused - 1) * 100);
    return 0;
}
