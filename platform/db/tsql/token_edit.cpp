#include "platform/db/tsql/token_edit.h"

#include <QSet>

#include "platform/db/tsql/translator.h"

namespace zur::tsql {

void failAt(const Tokens& tokens, int index, const QString& reason) {
    const Token& t = tokens.at(index);
    const QString what = t.is(Token::Type::End) ? QStringLiteral("end of statement")
                                                : QStringLiteral("'%1'").arg(t.text);
    throw TranslateError(
        QStringLiteral("%1 near %2 at position %3").arg(reason, what).arg(t.position));
}

int matchingParen(const Tokens& tokens, int index) {
    const bool forward = tokens.at(index).is(Token::Type::LParen);
    const int step = forward ? 1 : -1;
    int depth = 0;
    for (int i = index; i >= 0 && i < tokens.size(); i += step) {
        if (tokens[i].is(Token::Type::LParen))
            depth += step;
        if (tokens[i].is(Token::Type::RParen))
            depth -= step;
        if (depth == 0)
            return i;
    }
    failAt(tokens, index, QStringLiteral("unbalanced bracket"));
}

bool isKeyword(const Token& token) {
    static const QSet<QString> words = {
        "ADD",    "ALL",    "AND",     "ANY",       "AS",       "ASC",   "BETWEEN", "BY",
        "CASE",   "CROSS",  "DELETE",  "DESC",      "DISTINCT", "ELSE",  "END",     "ESCAPE",
        "EXCEPT", "EXEC",   "EXECUTE", "EXISTS",    "FROM",     "FULL",  "GROUP",   "HAVING",
        "IN",     "INNER",  "INSERT",  "INTERSECT", "INTO",     "IS",    "JOIN",    "LEFT",
        "LIKE",   "NOT",    "NULL",    "ON",        "OR",       "ORDER", "OUTER",   "PERCENT",
        "RIGHT",  "SELECT", "SET",     "THEN",      "TOP",      "UNION", "UPDATE",  "VALUES",
        "WHEN",   "WHERE",  "WITH",    "LIMIT"};
    return token.is(Token::Type::Word) && words.contains(token.text.toUpper());
}

bool isName(const Token& token) {
    return token.is(Token::Type::Quoted) || (token.is(Token::Type::Word) && !isKeyword(token));
}

void eraseTokens(Tokens& tokens, int index, int count) {
    const QString space = tokens[index].space;
    tokens.remove(index, count);
    if (tokens[index].space.isEmpty())
        tokens[index].space = space;
}

void insertToken(Tokens& tokens, int index, Token::Type type, const QString& text,
                 const QString& space) {
    Token t;
    t.type = type;
    t.text = text;
    t.space = space;
    t.position = tokens.at(index).position;
    tokens.insert(index, t);
}

bool onlyTerminatorFrom(const Tokens& tokens, int from) {
    for (int i = from; i < tokens.size(); ++i) {
        if (!tokens[i].is(Token::Type::Semicolon) && !tokens[i].is(Token::Type::End))
            return false;
    }
    return true;
}

}  // namespace zur::tsql
