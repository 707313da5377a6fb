// The steps of the desk's tuition cascade on a demo database of 100 000 students: each step from
// the pick to the next list ready.

#include "bench/bench_support.h"
#include "data/dm_smeta.h"
#include "desk/tform1.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/db_lookup_combobox_eh.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kStudents = 100000;
constexpr int kPayments = 200000;
constexpr int kRounds = 9;
constexpr double kGoalMs = 30.0;

using zur::desk::TForm1;

// The median and the worst of `kRounds` runs of `prepare` then the timed `step`.
void measure(const char* name, const std::function<void()>& prepare,
             const std::function<void()>& step) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-34s median %6.2f ms, worst %6.2f ms (goal < %.0f ms)\n", name,
                times[times.size() / 2], times.back(), kGoalMs);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = zur::bench::benchDatabase(dir, kStudents, kPayments);
    zur::data::TDM_Smeta dm;
    TForm1 w(zur::bench::sessionWithoutLoginWindow(dm, path));
    const auto pick = [](zur::ui::DBLookupComboBox* box, const QVariant& key) {
        box->setKeyValue(key);
    };
    const auto nothing = [] {};

    measure(
        "faculty (default year, specialities)", [&] { pick(w.Faculty_Lookup, 1); },
        [&] { w.Faculty_LookupClick(); });
    std::printf("  year %d, specialities: %d, listener groups: %d\n",
                w.Year_Lookup->keyValue().toInt(), w.Speciality_Lookup->list().rowCount(),
                w.DBLookupComboBox3->list().rowCount());
    measure("year", nothing, [&] { w.Year_LookupClick(); });
    measure(
        "speciality", [&] { pick(w.Speciality_Lookup, 1); }, [&] { w.Speciality_LookupClick(); });
    measure(
        "course (groups, first group, students)", [&] { pick(w.Rate_ComboBox, 1); },
        [&] { w.Rate_ComboBoxClick(); });
    std::printf("  groups of the course: %d, students of the first group: %d\n",
                w.Group_ComboBox->list().rowCount(), w.Student_Lookup->list().rowCount());
    measure("group (students)", nothing, [&] { w.Group_ComboBoxClick(); });
    measure(
        "student (default purpose, kind)", [&] { w.Student_Lookup->clear(); },
        [&] { w.Student_Lookup->setKeyValue(w.Student_Lookup->list().keyAt(0)); });
    measure(
        "order number (GetNum, recent lists)",
        [&] {
            w.Oplata_Edit->setText(QStringLiteral("100"));
            w.Order_Edit->clear();
        },
        [&] { w.draw_order_number(); });
    w.PageControl2->setCurrentIndex(zur::desk::kApplicantSubPage);
    measure(
        "applicant speciality (applicants)", [&] { pick(w.Ab_Speciality_Lookup, 1); },
        [&] { w.Ab_Speciality_LookupClick(); });
    w.PageControl2->setCurrentIndex(zur::desk::kListenerSubPage);
    measure(
        "listener group (listeners)", [&] { pick(w.DBLookupComboBox3, 1); },
        [&] { w.DBLookupComboBox3Click(); });
    return 0;
}
