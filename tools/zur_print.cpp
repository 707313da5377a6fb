// zur-print: the cash order of a stored record as a PDF file.
//   zur-print <database file> payment|expense <id> <out.pdf>

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include "documents/stored_document.h"
#include "platform/db/connection.h"
#include "platform/report/painter.h"

namespace {

using namespace zur;

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

int usage() {
    err() << "usage: zur-print <database file> payment|expense <id> <out.pdf>" << Qt::endl;
    return 2;
}

// Renders the order of the record; 1 when there is no such record or the file cannot be written.
int printRecord(db::Connection& connection, const QString& kind, qlonglong id, const QString& out) {
    bool written = false;
    if (kind == QStringLiteral("payment")) {
        const auto inputs = documents::load_stored_receipt(connection, id);
        if (!inputs) {
            err() << "Нет оплаты с id_payment = " << id << Qt::endl;
            return 1;
        }
        documents::TForm4 form(*inputs);
        form.bindFaculty(inputs->faculty_doc_name);
        written = report::renderToPdf(form, out);
    } else {
        const auto expense = documents::load_stored_expense(connection, id);
        if (!expense) {
            err() << "Нет расхода с id_expense = " << id << Qt::endl;
            return 1;
        }
        documents::TForm9 form(expense->inputs);
        form.showCashDesk(expense->cash_desk_name);
        form.setIdentityDocument(expense->passport);
        written = report::renderToPdf(form, out);
    }
    if (!written) {
        err() << "Не удалось записать файл: " << out << Qt::endl;
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // A command-line tool: without a display it renders offscreen instead of failing to start.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        return usage();
    }
    bool idOk = false;
    const qlonglong id = args[3].toLongLong(&idOk);
    if (!idOk || (args[2] != QStringLiteral("payment") && args[2] != QStringLiteral("expense"))) {
        return usage();
    }
    if (!QFileInfo::exists(args[1])) {
        err() << "Нет файла базы данных: " << args[1] << Qt::endl;
        return 1;
    }
    try {
        db::Connection connection;
        connection.setConnectionString(
            QStringLiteral("Data Source=sqlite:%1").arg(QFileInfo(args[1]).absoluteFilePath()));
        connection.open();
        return printRecord(connection, args[2], id, args[4]);
    } catch (const db::DbError& error) {
        err() << error.message() << Qt::endl;
        return 1;
    }
}
