#include "platform/db/tsql/translator.h"

#include <QHash>

#include "platform/db/tsql/rules.h"
#include "platform/db/tsql/token_edit.h"
#include "platform/db/tsql/tokenizer.h"

namespace zur::tsql {

TranslateError::TranslateError(const QString& message)
    : std::runtime_error(message.toStdString()) {}

namespace {

void expectOneStatement(const Tokens& tokens) {
    if (tokens.first().is(Token::Type::End))
        failAt(tokens, 0, QStringLiteral("empty statement"));
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens[i].is(Token::Type::Semicolon) && !onlyTerminatorFrom(tokens, i))
            failAt(tokens, i + 1, QStringLiteral("only one statement at a time"));
    }
}

}  // namespace

Translation translate(const QString& tsql) {
    Tokens tokens = tokenize(tsql);
    expectOneStatement(tokens);
    dropSchemaPrefixes(tokens);
    Translation out;
    if (translateCommand(tokens, out))
        return out;
    dropNationalPrefixes(tokens);
    rewriteParameters(tokens);
    rewriteFunctions(tokens);
    rewriteDateLiterals(tokens);
    rewriteTop(tokens);
    bracketNestedJoins(tokens);
    rewriteConcatenation(tokens);
    out.sql = join(tokens);
    return out;
}

const Translation& translateCached(const QString& tsql) {
    static QHash<QString, Translation> cache;
    auto it = cache.constFind(tsql);
    if (it == cache.constEnd())
        it = cache.insert(tsql, translate(tsql));
    return *it;
}

PositionalStatement positionalize(const QString& sql, bool variablesAreParameters) {
    Tokens tokens = tokenize(sql);
    PositionalStatement out;
    for (Token& t : tokens) {
        const bool variable = variablesAreParameters && t.is(Token::Type::Variable) &&
                              !t.text.startsWith(QLatin1String("@@"));
        if (variable) {
            out.names.append(t.text.mid(1));
        } else if (t.is(Token::Type::Param)) {
            out.names.append(t.text.mid(t.text.startsWith(QLatin1String(":@")) ? 2 : 1));
        } else {
            continue;
        }
        t.text = QStringLiteral("?");
    }
    out.sql = join(tokens);
    return out;
}

}  // namespace zur::tsql
