#pragma once
// Token stream of a T-SQL statement. Every token keeps the blanks and comments written before it,
// so that a statement joined back from its tokens reads as it was written.

#include <QString>
#include <QVector>

namespace zur::tsql {

struct Token {
    enum class Type {
        Word,      // identifier or keyword, as written
        Quoted,    // [bracketed] or "quoted" identifier
        String,    // 'literal' or N'literal' (text holds it as written)
        Number,    // 12, 1.5, 1e3
        Param,     // :name or :@name
        Variable,  // @name
        Operator,  // + - * / % = < > <= >= <> != || and the like
        LParen,
        RParen,
        Comma,
        Dot,
        Semicolon,
        End,  // after the last token; its `space` holds the trailing blanks
    };
    Type type = Type::End;
    QString text;   // the token as it is emitted
    QString space;  // blanks and comments before the token
    int position = 0;

    bool is(Type t) const { return type == t; }
    bool isWord(const char* upperName) const;  // unquoted word, any letter case
    bool isOperator(const char* op) const { return type == Type::Operator && text == op; }
    QString name() const;         // identifier without brackets or quotes
    QString stringValue() const;  // content of a string literal, '' unescaped
};

using Tokens = QVector<Token>;

// Splits `sql`; throws TranslateError on an unterminated literal, identifier or comment or an
// unknown character. The last token is always Type::End.
Tokens tokenize(const QString& sql);

// Joins tokens back into text.
QString join(const Tokens& tokens);

// Quotes `value` as an SQL string literal.
QString quoteString(const QString& value);

}  // namespace zur::tsql
