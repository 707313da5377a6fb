// SELECT TOP n -> LIMIT n at the end of the same SELECT.

#include "platform/db/tsql/rules.h"
#include "platform/db/tsql/token_edit.h"

namespace zur::tsql {

namespace {

using T = Token::Type;

bool isSetOperator(const Token& t) {
    return t.isWord("UNION") || t.isWord("EXCEPT") || t.isWord("INTERSECT");
}

// Index of the token that ends the SELECT starting at `select`: the bracket that encloses it,
// a UNION at its own level, a semicolon or the end.
int selectEnd(const Tokens& tokens, int select) {
    for (int i = select + 1;; ++i) {
        const Token& t = tokens.at(i);
        if (t.is(T::LParen))
            i = matchingParen(tokens, i);
        else if (t.is(T::RParen) || t.is(T::Semicolon) || t.is(T::End) || isSetOperator(t))
            return i;
    }
}

bool startsCompoundMember(const Tokens& tokens, int select) {
    if (select == 0)
        return false;
    const Token& before = tokens[select - 1];
    return isSetOperator(before) ||
           (before.isWord("ALL") && select > 1 && isSetOperator(tokens[select - 2]));
}

struct TopClause {
    int length = 0;  // tokens from TOP to its count (and PERCENT) inclusive
    QString count;
    bool percent = false;
};

TopClause readTop(const Tokens& tokens, int top) {
    TopClause c;
    int k = top + 1;
    if (tokens.at(k).is(T::LParen)) {
        if (!tokens.at(k + 1).is(T::Number) || !tokens.at(k + 2).is(T::RParen))
            failAt(tokens, k + 1, QStringLiteral("TOP takes a number"));
        c.count = tokens[k + 1].text;
        k += 3;
    } else if (tokens.at(k).is(T::Number)) {
        c.count = tokens[k].text;
        k += 1;
    } else {
        failAt(tokens, k, QStringLiteral("TOP takes a number"));
    }
    if (tokens.at(k).isWord("PERCENT")) {
        c.percent = true;
        ++k;
    }
    if (tokens.at(k).isWord("WITH"))
        failAt(tokens, k, QStringLiteral("TOP WITH TIES unsupported"));
    c.length = k - top;
    bool integral = false;
    c.count.toULongLong(&integral);
    if (!integral)
        failAt(tokens, top + 1, QStringLiteral("TOP takes a whole number"));
    if (c.percent && c.count != "100")
        failAt(tokens, top, QStringLiteral("TOP PERCENT other than 100 unsupported"));
    return c;
}

void rewriteOne(Tokens& tokens, int select) {
    int top = select + 1;
    if (tokens.at(top).isWord("DISTINCT") || tokens.at(top).isWord("ALL"))
        ++top;
    if (!tokens.at(top).isWord("TOP"))
        return;
    const TopClause clause = readTop(tokens, top);
    eraseTokens(tokens, top, clause.length);
    if (clause.percent)
        return;
    const int end = selectEnd(tokens, select);
    if (isSetOperator(tokens[end]) || startsCompoundMember(tokens, select))
        failAt(tokens, select, QStringLiteral("TOP in a member of a UNION unsupported"));
    insertToken(tokens, end, T::Word, QStringLiteral("LIMIT"));
    insertToken(tokens, end + 1, T::Number, clause.count);
}

}  // namespace

void rewriteTop(Tokens& tokens) {
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens[i].isWord("SELECT"))
            rewriteOne(tokens, i);
    }
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens[i].isWord("TOP"))
            failAt(tokens, i, QStringLiteral("TOP outside SELECT"));
    }
}

}  // namespace zur::tsql
