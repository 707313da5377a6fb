// One cash receipt order filled and rendered to PDF, repeated; prints the median time per order.
// An optional argument keeps the last PDF at that path for a look.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "documents/document_data.h"
#include "documents/receipt_order.h"
#include "platform/report/painter.h"

using namespace zur::documents;

namespace {

void fillRecord() {
    document_data.order_no = QStringLiteral("1024");
    document_data.total_sum = money_text(12500);
    document_data.sum1 = money_text(12000);
    document_data.sum2 = money_text(500);
    document_data.institution_name = QStringLiteral("Кыргызский национальный университет");
    document_data.purpose_name = QStringLiteral("Оплата за обучение");
    document_data.basis = QStringLiteral("Договор № 17 от 01.09.2015");
    document_data.payer_name = QStringLiteral("Иванов Иван Иванович");
    document_data.account1 = QStringLiteral("142101");
    document_data.account2 = QStringLiteral("142102");
    document_data.account2_name = QStringLiteral("Фонд развития");
    document_data.note = QStringLiteral("2 курс гр.ЭК-21 за 2015-2016 уч. год. \rЭкономика");
    document_data.pay_date = QDateTime::currentDateTime();
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath("receipt.pdf");
    fillRecord();
    ReceiptInputs inputs;
    inputs.faculty_doc_name = QStringLiteral("Экономический факультет");
    inputs.officials = {QString(), QStringLiteral("Бекова Б."), QStringLiteral("Токтоева Т.")};

    constexpr int kRuns = 30;
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        const TForm4 form(inputs);
        if (!zur::report::renderToPdf(form, path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("receipt order to PDF: median %.1f ms, fastest %.1f ms (goal < 50 ms)\n",
                ms[kRuns / 2], ms.front());
    return 0;
}
