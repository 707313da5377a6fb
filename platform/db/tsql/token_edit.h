#pragma once
// Small helpers the rewriting rules share: matching brackets, keywords, editing a token list
// while keeping the blanks between tokens, and the error naming the offending token.

#include "platform/db/tsql/tokenizer.h"

namespace zur::tsql {

// Throws TranslateError naming the token at `index` and its position in the statement.
[[noreturn]] void failAt(const Tokens& tokens, int index, const QString& reason);

// Index of the bracket matching the one at `index` (either direction); throws when unbalanced.
int matchingParen(const Tokens& tokens, int index);

// Reserved words that can never be a column, alias or function name.
bool isKeyword(const Token& token);

// A word, a bracketed name or a quoted name that is not a reserved word.
bool isName(const Token& token);

// Removes `count` tokens at `index`; the blanks before the first one move to the next token
// when that token has none of its own, so neighbouring words never run together.
void eraseTokens(Tokens& tokens, int index, int count = 1);

// Inserts a token of `type` with `text`, preceded by `space`, before `index`.
void insertToken(Tokens& tokens, int index, Token::Type type, const QString& text,
                 const QString& space = QStringLiteral(" "));

// True when nothing but semicolons follows from `from` on.
bool onlyTerminatorFrom(const Tokens& tokens, int from);

}  // namespace zur::tsql
