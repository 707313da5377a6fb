#pragma once
// The statement corpus: every statement shape the program sends, with the SQLite text it must
// become. File format: see the head of corpus.sql.

#include <QString>
#include <QVector>

#include "platform/db/tsql/translator.h"

namespace zur::tsql::test {

struct CorpusEntry {
    enum class Expect { Sql, Exec, NoOp, Error };
    QString name;
    int line = 0;  // line of the "-- name:" header
    QString tsql;
    Expect expect = Expect::Sql;
    QString expected;  // SQLite text, exec description or error substring
};

// Path of the corpus in the source tree (from the environment variable ZUR_SOURCE_DIR).
QString corpusPath();

// Reads the corpus; on a malformed file returns nothing and puts the reason into `error`.
QVector<CorpusEntry> loadCorpus(const QString& path, QString* error);

// "Proc(@name=value, value, ...)" with texts quoted, NULL for null: the form "-- exec:" uses.
QString describeExec(const Translation& translation);

}  // namespace zur::tsql::test
