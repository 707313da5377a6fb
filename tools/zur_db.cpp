// zur-db: the embedded ZUR database from the command line.
//   zur-db create-demo <file> [--students N --payments M]
//   zur-db exec <file> "<T-SQL>"
//   zur-db translate "<T-SQL>"
//   zur-db write-credentials <file> --user U --password P --server S --database D

#include "embedded/credentials_file.h"
#include "embedded/demo.h"
#include "embedded/procedures.h"
#include "platform/db/connection.h"
#include "platform/db/tsql/translator.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <stdexcept>

namespace {

using namespace zur;

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

class UsageError : public std::runtime_error {
  public:
    UsageError() : std::runtime_error("usage") {}
};

// The value after `--name`, or `fallback` when the option is absent.
QString option(const QStringList& args, const QString& name, const QString& fallback = {}) {
    const qsizetype at = args.indexOf(QStringLiteral("--") + name);
    if (at < 0) {
        if (fallback.isNull()) {
            throw UsageError();
        }
        return fallback;
    }
    if (at + 1 >= args.size()) {
        throw UsageError();
    }
    return args[at + 1];
}

int count(const QStringList& args, const QString& name, int fallback) {
    bool ok = false;
    const int value = option(args, name, QString::number(fallback)).toInt(&ok);
    if (!ok || value <= 0) {
        throw UsageError();
    }
    return value;
}

QString cellText(const QVariant& value) {
    if (value.isNull()) {
        return QStringLiteral("NULL");
    }
    switch (value.typeId()) {
        case QMetaType::QDateTime:
            return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        case QMetaType::Double:
            return QString::number(value.toDouble(), 'g', 15);
        default:
            return value.toString();
    }
}

void printResult(const db::ResultSet& result) {
    if (!result.hasColumns()) {
        out() << result.rowsAffected << Qt::endl;
        return;
    }
    QStringList header;
    for (const db::Column& column : result.columns) {
        header.append(column.name);
    }
    out() << header.join(u'\t') << Qt::endl;
    for (const QVector<QVariant>& row : result.rows) {
        QStringList cells;
        for (const QVariant& value : row) {
            cells.append(cellText(value));
        }
        out() << cells.join(u'\t') << Qt::endl;
    }
}

int createDemo(const QStringList& args) {
    const QDateTime start = QDateTime::currentDateTime();
    embedded::createDemo(args[2], count(args, QStringLiteral("students"), embedded::kDemoStudents),
                         count(args, QStringLiteral("payments"), embedded::kDemoPayments));
    out() << "Создана демонстрационная база " << args[2] << " за "
          << start.msecsTo(QDateTime::currentDateTime()) / 1000.0 << " с" << Qt::endl;
    return 0;
}

int exec(const QStringList& args) {
    if (!QFileInfo::exists(args[2])) {
        err() << "Нет файла базы данных: " << args[2] << Qt::endl;
        return 1;
    }
    embedded::registerProcedures();
    db::Connection connection;
    connection.setConnectionString(
        QStringLiteral("Data Source=sqlite:%1").arg(QFileInfo(args[2]).absoluteFilePath()));
    connection.open();
    printResult(connection.query(args[3]));
    return 0;
}

int translate(const QStringList& args) {
    const tsql::Translation translation = tsql::translate(args[2]);
    switch (translation.kind) {
        case tsql::Translation::Kind::Statement:
            out() << translation.sql << Qt::endl;
            break;
        case tsql::Translation::Kind::NoOp:
            out() << "-- ничего не выполняется" << Qt::endl;
            break;
        case tsql::Translation::Kind::Exec:
            out() << "EXEC " << translation.procedure << Qt::endl;
            for (const tsql::ExecArgument& argument : translation.arguments) {
                out() << "  ";
                if (!argument.name.isEmpty()) {
                    out() << '@' << argument.name << " = ";
                }
                out() << cellText(argument.value) << Qt::endl;
            }
            break;
    }
    return 0;
}

int writeCredentials(const QStringList& args) {
    const QByteArray bytes = embedded::credentialsFile(
        {option(args, QStringLiteral("user")), option(args, QStringLiteral("password")),
         option(args, QStringLiteral("server")), option(args, QStringLiteral("database"))});
    QFile file(args[2]);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        err() << "Не удалось записать " << args[2] << ": " << file.errorString() << Qt::endl;
        return 1;
    }
    return 0;
}

int run(const QStringList& args) {
    const QString command = args.value(1);
    if (command == u"create-demo" && args.size() >= 3) {
        return createDemo(args);
    }
    if (command == u"exec" && args.size() == 4) {
        return exec(args);
    }
    if (command == u"translate" && args.size() == 3) {
        return translate(args);
    }
    if (command == u"write-credentials" && args.size() >= 3) {
        return writeCredentials(args);
    }
    throw UsageError();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        return run(app.arguments());
    } catch (const UsageError&) {
        err() << "usage:\n"
                 "  zur-db create-demo <file> [--students N --payments M]\n"
                 "  zur-db exec <file> \"<T-SQL>\"\n"
                 "  zur-db translate \"<T-SQL>\"\n"
                 "  zur-db write-credentials <file> --user U --password P --server S "
                 "--database D"
              << Qt::endl;
        return 2;
    } catch (const db::DbError& error) {
        err() << error.message() << Qt::endl;
    } catch (const tsql::TranslateError& error) {
        err() << error.message() << Qt::endl;
    } catch (const std::invalid_argument& error) {
        err() << QString::fromUtf8(error.what()) << Qt::endl;
    }
    return 1;
}
