// All students of a 100 000-student database opened into a data set that feeds a typed-search
// lookup box, and single keystrokes of typed search over that list.

#include "platform/db/connection.h"
#include "platform/db/dataset/dataset.h"
#include "platform/ui/db_lookup_combobox_eh.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kStudents = 100000;

void createDatabase(zur::db::Connection& connection, const QString& file) {
    connection.setConnectionString(QStringLiteral("Data Source=sqlite:%1;Create=1").arg(file));
    connection.open();
    connection.runNativeScript(
        QStringLiteral(
            "CREATE TABLE student (id_student INTEGER PRIMARY KEY, s_fio VARCHAR(60));"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
            "INSERT INTO student SELECT i, CASE i % 8 WHEN 0 THEN 'Иванов' WHEN 1 THEN 'Петров' "
            "WHEN 2 THEN 'Сидоров' WHEN 3 THEN 'Абдыкеримов' WHEN 4 THEN 'Токтогулов' "
            "WHEN 5 THEN 'Яковлев' WHEN 6 THEN 'Жумабеков' ELSE 'Кузнецов' END "
            "|| ' Студент ' || i FROM n;")
            .arg(kStudents));
}

double millis(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QTemporaryDir dir;
    zur::db::Connection connection;
    createDatabase(connection, dir.filePath(QStringLiteral("students.db")));

    zur::db::DataSet students(&connection);
    students.setSql(QStringLiteral(
        "SELECT s_fio AS Normal_s_fio, s_fio, id_student FROM student ORDER BY s_fio"));
    zur::db::DataSource source(&students);
    zur::ui::DBLookupComboboxEh box;
    box.setObjectName(QStringLiteral("Student_Lookup"));
    box.setListField(QStringLiteral("s_fio"));
    box.setKeyField(QStringLiteral("id_student"));
    box.setListSource(&source);

    QElapsedTimer timer;
    timer.start();
    students.open();
    const double open = millis(timer);
    std::printf("open %d students into the lookup box: %.1f ms (goal < 300 ms)\n",
                students.recordCount(), open);
    timer.restart();
    box.list().setListField(QStringLiteral("s_fio"));  // re-reads the rows of the open list
    std::printf("  of which the box's own list: %.1f ms\n", millis(timer));

    // Each prefix is one keystroke; the last finds nothing and scans the whole list.
    const QStringList keystrokes = {QStringLiteral("я"), QStringLiteral("як"),
                                    QStringLiteral("яковлев с"),
                                    QStringLiteral("яковлев студент 9"), QStringLiteral("щ")};
    for (const QString& typed : keystrokes) {
        timer.restart();
        box.typeText(typed);
        std::printf("keystroke \"%s\": %.2f ms (goal < 30 ms), shows \"%s\"\n",
                    typed.toUtf8().constData(), millis(timer),
                    box.currentText().toUtf8().constData());
    }
    return 0;
}
