#pragma once
// T-SQL (as the program writes it for SQL Server) to SQLite.
//
// The translation works on a token stream with small local parses; any shape it does not
// recognise raises TranslateError instead of changing what the statement means.

#include <QString>
#include <QVariant>
#include <QVector>
#include <stdexcept>

namespace zur::tsql {

class TranslateError : public std::runtime_error {
  public:
    explicit TranslateError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

// One argument of an EXEC: `@name = value` or a positional value.
struct ExecArgument {
    QString name;    // without '@'; empty for a positional argument
    QVariant value;  // string, integer, double or null QVariant for NULL
};

struct Translation {
    enum class Kind { Statement, Exec, NoOp };
    Kind kind = Kind::Statement;
    QString sql;                      // Kind::Statement: the SQLite text
    QString procedure;                // Kind::Exec: the procedure name as written
    QVector<ExecArgument> arguments;  // Kind::Exec
};

// Translates one T-SQL statement. Throws TranslateError.
Translation translate(const QString& tsql);

// Thread-unsafe cache keyed by statement text; translate() of a text seen before is a lookup.
const Translation& translateCached(const QString& tsql);

// Rewrites `:name` and `:@name` parameters (outside literals, comments and brackets) to `?`,
// returning the parameter names in order of appearance, without ':' and with '@' kept off.
struct PositionalStatement {
    QString sql;
    QStringList names;
};
// With `variablesAreParameters` (SQLite text, where `@name` is a parameter) `@name` counts too.
PositionalStatement positionalize(const QString& sql, bool variablesAreParameters = false);

}  // namespace zur::tsql
