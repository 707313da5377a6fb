#include "tests/platform/db/tsql/corpus.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

#include "platform/db/tsql/tokenizer.h"

namespace zur::tsql::test {

namespace {

const QString kName = QStringLiteral("-- name:");
const QString kExpect = QStringLiteral("-- expect:");
const QString kExec = QStringLiteral("-- exec:");
const QString kNoOp = QStringLiteral("-- noop");
const QString kError = QStringLiteral("-- ERROR:");

QString joinLines(const QStringList& lines) {
    QStringList out = lines;
    while (!out.isEmpty() && out.last().trimmed().isEmpty())
        out.removeLast();
    return out.join(u'\n');
}

bool finish(CorpusEntry& e, QStringList& sql, QStringList& expected, bool inExpected,
            QString* error) {
    e.tsql = joinLines(sql);
    if (inExpected)
        e.expected = joinLines(expected);
    sql.clear();
    expected.clear();
    if (e.tsql.isEmpty() || (e.expect != CorpusEntry::Expect::NoOp && e.expected.isEmpty())) {
        *error = QStringLiteral("entry '%1' (line %2) is incomplete").arg(e.name).arg(e.line);
        return false;
    }
    return true;
}

}  // namespace

QString corpusPath() {
    return qEnvironmentVariable("ZUR_SOURCE_DIR") + "/tests/platform/db/tsql/corpus.sql";
}

QVector<CorpusEntry> loadCorpus(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return {};
    }
    QTextStream in(&file);
    QVector<CorpusEntry> entries;
    CorpusEntry current;
    QStringList sql, expected;
    bool open = false, inExpected = false, answered = false;
    int lineNo = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        if (line.startsWith(kName)) {
            if (open && !finish(current, sql, expected, inExpected, error))
                return {};
            if (open)
                entries.append(current);
            current = CorpusEntry();
            current.name = line.mid(kName.size()).trimmed();
            current.line = lineNo;
            open = true;
            inExpected = answered = false;
        } else if (!open) {
            continue;  // the head of the file
        } else if (inExpected) {
            expected.append(line);
        } else if (line.startsWith(kExpect)) {
            current.expect = CorpusEntry::Expect::Sql;
            inExpected = answered = true;
        } else if (line.startsWith(kExec) || line.startsWith(kError)) {
            const bool exec = line.startsWith(kExec);
            current.expect = exec ? CorpusEntry::Expect::Exec : CorpusEntry::Expect::Error;
            current.expected = line.mid((exec ? kExec : kError).size()).trimmed();
            answered = true;
        } else if (line.startsWith(kNoOp)) {
            current.expect = CorpusEntry::Expect::NoOp;
            answered = true;
        } else if (answered) {
            if (!line.trimmed().isEmpty()) {
                *error = QStringLiteral("text after the answer at line %1").arg(lineNo);
                return {};
            }
        } else {
            sql.append(line);
        }
    }
    if (open) {
        if (!finish(current, sql, expected, inExpected, error))
            return {};
        entries.append(current);
    }
    return entries;
}

QString describeExec(const Translation& translation) {
    QStringList args;
    for (const ExecArgument& a : translation.arguments) {
        QString value;
        if (a.value.isNull())
            value = QStringLiteral("NULL");
        else if (a.value.typeId() == QMetaType::QString)
            value = quoteString(a.value.toString());
        else
            value = a.value.toString();
        args.append(a.name.isEmpty() ? value : "@" + a.name + "=" + value);
    }
    return translation.procedure + "(" + args.join(QStringLiteral(", ")) + ")";
}

}  // namespace zur::tsql::test
