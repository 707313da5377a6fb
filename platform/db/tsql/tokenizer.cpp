#include "platform/db/tsql/tokenizer.h"

#include "platform/db/tsql/translator.h"

namespace zur::tsql {

namespace {

bool isIdentStart(QChar c) {
    return c.isLetter() || c == u'_' || c == u'#';
}
bool isIdentPart(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'#' || c == u'$';
}

class Lexer {
  public:
    explicit Lexer(const QString& sql) : s_(sql) {}

    Tokens run() {
        Tokens out;
        QString space;
        while (true) {
            space += blanks();
            if (i_ >= s_.size())
                break;
            Token t = next();
            t.space = space;
            space.clear();
            out.append(t);
        }
        Token end;
        end.space = space;
        end.position = int(s_.size());
        out.append(end);
        return out;
    }

  private:
    [[noreturn]] void fail(const QString& what, qsizetype at) const {
        throw TranslateError(QStringLiteral("%1 at position %2").arg(what).arg(at));
    }

    QChar at(qsizetype k) const { return k < s_.size() ? s_[k] : QChar(); }

    // Consumes blanks and comments and returns them as written.
    QString blanks() {
        const qsizetype start = i_;
        while (i_ < s_.size()) {
            const QChar c = s_[i_];
            if (c.isSpace()) {
                ++i_;
            } else if (c == u'-' && at(i_ + 1) == u'-') {
                while (i_ < s_.size() && s_[i_] != u'\n')
                    ++i_;
            } else if (c == u'/' && at(i_ + 1) == u'*') {
                const qsizetype close = s_.indexOf(QStringLiteral("*/"), i_ + 2);
                if (close < 0)
                    fail(QStringLiteral("unterminated comment"), i_);
                i_ = close + 2;
            } else {
                break;
            }
        }
        return s_.mid(start, i_ - start);
    }

    Token make(Token::Type type, qsizetype start) {
        Token t;
        t.type = type;
        t.text = s_.mid(start, i_ - start);
        t.position = int(start);
        return t;
    }

    Token next() {
        const qsizetype start = i_;
        const QChar c = s_[i_];
        if ((c == u'N' || c == u'n') && at(i_ + 1) == u'\'') {
            ++i_;
            Token t = stringLiteral();
            t.text.prepend(c);
            t.position = int(start);
            return t;
        }
        if (c == u'\'')
            return stringLiteral();
        if (c == u'[')
            return delimited(u']');
        if (c == u'"')
            return delimited(u'"');
        if (c.isDigit() || (c == u'.' && at(i_ + 1).isDigit()))
            return number();
        if (isIdentStart(c)) {
            while (i_ < s_.size() && isIdentPart(s_[i_]))
                ++i_;
            return make(Token::Type::Word, start);
        }
        if (c == u':' && (at(i_ + 1) == u'@' || isIdentStart(at(i_ + 1)))) {
            i_ += at(i_ + 1) == u'@' ? 2 : 1;
            if (!isIdentStart(at(i_)))
                fail(QStringLiteral("parameter without a name"), start);
            while (i_ < s_.size() && isIdentPart(s_[i_]))
                ++i_;
            return make(Token::Type::Param, start);
        }
        if (c == u'@') {
            ++i_;
            if (at(i_) == u'@')
                ++i_;
            if (!isIdentStart(at(i_)))
                fail(QStringLiteral("variable without a name"), start);
            while (i_ < s_.size() && isIdentPart(s_[i_]))
                ++i_;
            return make(Token::Type::Variable, start);
        }
        ++i_;
        switch (c.unicode()) {
            case u'(':
                return make(Token::Type::LParen, start);
            case u')':
                return make(Token::Type::RParen, start);
            case u',':
                return make(Token::Type::Comma, start);
            case u'.':
                return make(Token::Type::Dot, start);
            case u';':
                return make(Token::Type::Semicolon, start);
            case u'<':
                if (at(i_) == u'=' || at(i_) == u'>')
                    ++i_;
                return make(Token::Type::Operator, start);
            case u'>':
            case u'!':
                if (at(i_) == u'=' || (c == u'!' && (at(i_) == u'<' || at(i_) == u'>')))
                    ++i_;
                else if (c == u'!')
                    fail(QStringLiteral("unexpected character '!'"), start);
                return make(Token::Type::Operator, start);
            case u'|':
                if (at(i_) == u'|')
                    ++i_;
                return make(Token::Type::Operator, start);
            case u'+':
            case u'-':
            case u'*':
            case u'/':
            case u'%':
            case u'=':
            case u'&':
            case u'^':
            case u'~':
                return make(Token::Type::Operator, start);
            default:
                fail(QStringLiteral("unexpected character '%1'").arg(c), start);
        }
    }

    Token stringLiteral() {
        const qsizetype start = i_;
        ++i_;
        while (true) {
            if (i_ >= s_.size())
                fail(QStringLiteral("unterminated string literal"), start);
            if (s_[i_] == u'\'') {
                if (at(i_ + 1) == u'\'') {
                    i_ += 2;
                    continue;
                }
                ++i_;
                break;
            }
            ++i_;
        }
        return make(Token::Type::String, start);
    }

    Token delimited(QChar close) {
        const qsizetype start = i_;
        ++i_;
        while (true) {
            if (i_ >= s_.size())
                fail(QStringLiteral("unterminated quoted identifier"), start);
            if (s_[i_] == close) {
                if (at(i_ + 1) == close) {
                    i_ += 2;
                    continue;
                }
                ++i_;
                break;
            }
            ++i_;
        }
        return make(Token::Type::Quoted, start);
    }

    Token number() {
        const qsizetype start = i_;
        while (at(i_).isDigit())
            ++i_;
        if (at(i_) == u'.') {
            ++i_;
            while (at(i_).isDigit())
                ++i_;
        }
        if ((at(i_) == u'e' || at(i_) == u'E') &&
            (at(i_ + 1).isDigit() ||
             ((at(i_ + 1) == u'+' || at(i_ + 1) == u'-') && at(i_ + 2).isDigit()))) {
            i_ += 2;
            while (at(i_).isDigit())
                ++i_;
        }
        if (isIdentStart(at(i_)))
            fail(QStringLiteral("malformed number"), start);
        return make(Token::Type::Number, start);
    }

    const QString& s_;
    qsizetype i_ = 0;
};

}  // namespace

bool Token::isWord(const char* upperName) const {
    return type == Type::Word && text.compare(QLatin1String(upperName), Qt::CaseInsensitive) == 0;
}

QString Token::name() const {
    if (type != Type::Quoted)
        return text;
    const QChar close = text.front() == u'[' ? u']' : u'"';
    return text.mid(1, text.size() - 2).replace(QString(2, close), QString(close));
}

QString Token::stringValue() const {
    const qsizetype open = text.indexOf(u'\'');
    return text.mid(open + 1, text.size() - open - 2)
        .replace(QStringLiteral("''"), QStringLiteral("'"));
}

Tokens tokenize(const QString& sql) {
    return Lexer(sql).run();
}

QString join(const Tokens& tokens) {
    QString out;
    for (const Token& t : tokens)
        out += t.space + t.text;
    return out;
}

QString quoteString(const QString& value) {
    return u'\'' + QString(value).replace(u'\'', QStringLiteral("''")) + u'\'';
}

}  // namespace zur::tsql
