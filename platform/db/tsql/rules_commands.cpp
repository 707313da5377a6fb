// Statements that are not queries: SET DATEFORMAT and EXEC of a stored procedure.

#include "platform/db/tsql/date_text.h"
#include "platform/db/tsql/rules.h"
#include "platform/db/tsql/token_edit.h"
#include "platform/db/tsql/translator.h"

namespace zur::tsql {

namespace {

using T = Token::Type;

void expectStatementEnd(const Tokens& tokens, int pos) {
    if (!onlyTerminatorFrom(tokens, pos))
        failAt(tokens, pos, QStringLiteral("unexpected text after the statement"));
}

// A literal argument: 'text', N'text', a number with an optional sign, or NULL. A day-month-year
// date text is passed in the stored date form.
QVariant argumentValue(const Tokens& tokens, int& pos) {
    const Token& t = tokens.at(pos);
    if (t.is(T::String)) {
        ++pos;
        const QString text = t.stringValue();
        const auto date = readDayMonthYear(text);
        return date && date->valid ? storedDateText(date->value) : text;
    }
    if (t.isWord("NULL")) {
        ++pos;
        return QVariant();
    }
    QString sign;
    if (t.isOperator("-") || t.isOperator("+")) {
        sign = t.text;
        ++pos;
    }
    const Token& n = tokens.at(pos);
    if (!n.is(T::Number))
        failAt(tokens, pos, QStringLiteral("unsupported procedure argument"));
    ++pos;
    const QString text = (sign == "-" ? sign : QString()) + n.text;
    bool ok = false;
    const qlonglong whole = text.toLongLong(&ok);
    if (ok)
        return whole;
    return text.toDouble();
}

void readExec(const Tokens& tokens, Translation& out) {
    int pos = 1;
    if (!isName(tokens.at(pos)))
        failAt(tokens, pos, QStringLiteral("expected a procedure name"));
    out.kind = Translation::Kind::Exec;
    out.procedure = tokens[pos].name();
    ++pos;
    while (!onlyTerminatorFrom(tokens, pos)) {
        if (!out.arguments.isEmpty()) {
            if (!tokens[pos].is(T::Comma))
                failAt(tokens, pos, QStringLiteral("expected ','"));
            ++pos;
        }
        ExecArgument argument;
        if (tokens.at(pos).is(T::Variable)) {
            argument.name = tokens[pos].text.mid(1);
            if (!tokens.at(pos + 1).isOperator("="))
                failAt(tokens, pos + 1, QStringLiteral("expected '='"));
            pos += 2;
        }
        argument.value = argumentValue(tokens, pos);
        out.arguments.append(argument);
    }
}

void readSet(const Tokens& tokens, Translation& out) {
    if (!tokens.at(1).isWord("DATEFORMAT"))
        failAt(tokens, 1, QStringLiteral("unsupported SET statement"));
    if (!tokens.at(2).isWord("DMY"))
        failAt(tokens, 2, QStringLiteral("only day-month-year date format is supported"));
    expectStatementEnd(tokens, 3);
    out.kind = Translation::Kind::NoOp;
}

}  // namespace

bool translateCommand(const Tokens& tokens, Translation& out) {
    const Token& first = tokens.first();
    if (first.isWord("SET")) {
        readSet(tokens, out);
        return true;
    }
    if (first.isWord("EXEC") || first.isWord("EXECUTE")) {
        readExec(tokens, out);
        return true;
    }
    return false;
}

}  // namespace zur::tsql
