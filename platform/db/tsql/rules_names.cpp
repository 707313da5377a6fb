// Rules that rewrite single tokens or short fixed runs of tokens.

#include "platform/db/tsql/date_text.h"
#include "platform/db/tsql/rules.h"
#include "platform/db/tsql/token_edit.h"

namespace zur::tsql {

namespace {

using T = Token::Type;

bool isNamed(const Token& t, const char* name) {
    return (t.is(T::Word) || t.is(T::Quoted)) &&
           t.name().compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

bool isCharType(const Token& t) {
    static const QStringList types = {"CHAR", "VARCHAR", "NCHAR", "NVARCHAR"};
    return t.is(T::Word) && types.contains(t.text.toUpper());
}

QString datePartFunction(const Token& unit) {
    const QString u = unit.is(T::Word) ? unit.text.toLower() : QString();
    if (u == "day" || u == "dd" || u == "d")
        return QStringLiteral("day");
    if (u == "month" || u == "mm" || u == "m")
        return QStringLiteral("month");
    if (u == "year" || u == "yy" || u == "yyyy")
        return QStringLiteral("year");
    return {};
}

void expectParen(const Tokens& tokens, int i) {
    if (!tokens.at(i + 1).is(T::LParen))
        failAt(tokens, i, QStringLiteral("expected '(' after"));
}

// DATEPART(day, x) -> day(x)
void rewriteDatePart(Tokens& tokens, int i) {
    expectParen(tokens, i);
    const QString function = datePartFunction(tokens.at(i + 2));
    if (function.isEmpty())
        failAt(tokens, i + 2, QStringLiteral("unsupported DATEPART unit"));
    if (!tokens.at(i + 3).is(T::Comma))
        failAt(tokens, i + 3, QStringLiteral("expected ','"));
    tokens[i].text = function;
    tokens.remove(i + 2, 2);
}

// CONVERT(NVARCHAR(10), x, 104) -> zur_date104(x)
void rewriteConvert(Tokens& tokens, int i) {
    expectParen(tokens, i);
    const int close = matchingParen(tokens, i + 1);
    int k = i + 2;
    if (!isCharType(tokens.at(k)))
        failAt(tokens, k, QStringLiteral("CONVERT only to a text type"));
    ++k;
    if (tokens.at(k).is(T::LParen))
        k = matchingParen(tokens, k) + 1;
    if (!tokens.at(k).is(T::Comma))
        failAt(tokens, k, QStringLiteral("expected ',' in CONVERT"));
    const int argBegin = k + 1;
    if (!(close - 2 > argBegin && tokens.at(close - 2).is(T::Comma) &&
          tokens.at(close - 1).is(T::Number) && tokens.at(close - 1).text == "104"))
        failAt(tokens, close - 1, QStringLiteral("CONVERT supports only style 104"));
    tokens.remove(close - 2, 2);
    tokens.remove(i + 2, argBegin - (i + 2));
    tokens[i].text = QStringLiteral("zur_date104");
}

const Token* previousToken(const Tokens& tokens, int i) {
    return i > 0 ? &tokens[i - 1] : nullptr;
}

}  // namespace

void dropSchemaPrefixes(Tokens& tokens) {
    for (int i = 0; i + 1 < tokens.size(); ++i) {
        if (isNamed(tokens[i], "zur") && tokens[i + 1].is(T::Dot)) {
            if (!(isNamed(tokens.at(i + 2), "dbo") && tokens.at(i + 3).is(T::Dot)))
                failAt(tokens, i, QStringLiteral("unsupported name prefix"));
            eraseTokens(tokens, i, 2);
        }
        if (isNamed(tokens[i], "dbo") && tokens[i + 1].is(T::Dot)) {
            const Token* before = previousToken(tokens, i);
            if (before && before->is(T::Dot))
                failAt(tokens, i, QStringLiteral("unsupported name prefix"));
            eraseTokens(tokens, i, 2);
        }
    }
}

void dropNationalPrefixes(Tokens& tokens) {
    for (Token& t : tokens) {
        if (t.is(T::String) && !t.text.startsWith(u'\''))
            t.text.remove(0, 1);
    }
}

void rewriteParameters(Tokens& tokens) {
    for (Token& t : tokens) {
        if (t.is(T::Param) && t.text.startsWith(QLatin1String(":@")))
            t.text.remove(0, 1);
    }
}

void rewriteFunctions(Tokens& tokens) {
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens[i].isWord("ISNULL")) {
            expectParen(tokens, i);
            tokens[i].text = QStringLiteral("ifnull");
        } else if (tokens[i].isWord("DATEPART")) {
            rewriteDatePart(tokens, i);
        } else if (tokens[i].isWord("CONVERT")) {
            rewriteConvert(tokens, i);
        }
    }
}

void rewriteDateLiterals(Tokens& tokens) {
    for (int i = 0; i < tokens.size(); ++i) {
        if (!tokens[i].is(T::String))
            continue;
        const Token* before = previousToken(tokens, i);
        if (before && before->isWord("LIKE"))
            continue;
        const auto date = readDayMonthYear(tokens[i].stringValue());
        if (!date)
            continue;
        if (!date->valid)
            failAt(tokens, i, QStringLiteral("invalid date"));
        tokens[i].text = quoteString(storedDateText(date->value));
    }
}

}  // namespace zur::tsql
