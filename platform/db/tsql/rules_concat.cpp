// '+' joins texts in T-SQL and adds numbers; SQLite's '+' always adds. Each chain of operands
// joined by '+' is read operand by operand and its kind decided from what the operands are.

#include <QSet>

#include "platform/db/tsql/rules.h"
#include "platform/db/tsql/token_edit.h"

namespace zur::tsql {

namespace {

using T = Token::Type;

enum class Kind { Null, Number, Text, Unknown, Mixed };

Kind combine(Kind a, Kind b) {
    if (a == Kind::Null)
        return b;
    if (b == Kind::Null || a == b)
        return a;
    if (a == Kind::Mixed || b == Kind::Mixed)
        return Kind::Mixed;
    if ((a == Kind::Text && b == Kind::Number) || (a == Kind::Number && b == Kind::Text))
        return Kind::Mixed;
    if (a == Kind::Text || b == Kind::Text)
        return Kind::Text;
    return Kind::Unknown;
}

// Columns of the database that hold text, by name.
bool isTextColumn(const QString& lower) {
    static const QSet<QString> names = {
        "s_fio",      "normal_s_fio", "p1",          "p2",
        "p3",         "idid",         "p20",         "p22",
        "p32",        "p25_2",        "p25-2",       "p108",
        "p23-1",      "p23-2",        "uslugi",      "name_short",
        "name_full",  "ab_fio",       "abi_fio",     "t_fio",
        "p26",        "p27",          "p28",         "p105",
        "p104_1",     "osnovanie",    "primech",     "dopol",
        "serialpas",  "numberpas",    "s_p",         "n_p",
        "codemvd",    "v2",           "rukov",       "glavbuh",
        "kasir",      "n_shet",       "n_shet2",     "shet2",
        "num_prikaz", "dop_info",     "zur_login",   "privilege_coment",
        "sh_st",      "fio",          "gr",          "namefac",
        "ss_fio",     "first_p1",     "citizenship", "descr"};
    return names.contains(lower);
}

bool isNumberColumn(const QString& lower) {
    static const QSet<QString> names = {"p102",
                                        "p106",
                                        "sum_opl",
                                        "ost_sum",
                                        "p102newspec",
                                        "sump102",
                                        "u_god",
                                        "sh_year",
                                        "proc1",
                                        "proc2",
                                        "percent_privilege",
                                        "oplata",
                                        "summa",
                                        "summafrom",
                                        "orders",
                                        "max_rate_id",
                                        "id_field",
                                        "canterminal",
                                        "visible",
                                        "is_visible",
                                        "del",
                                        "isstudent",
                                        "rs_opl",
                                        "onul",
                                        "f1",
                                        "f2",
                                        "f3_1",
                                        "f3_2"};
    return names.contains(lower) || (lower.startsWith(QLatin1String("id")) && lower != "idid");
}

Kind functionKind(const QString& upper) {
    static const QSet<QString> numbers = {"YEAR", "MONTH", "DAY", "LEN",       "COUNT", "SUM",
                                          "AVG",  "ROUND", "ABS", "CHARINDEX", "FLOOR"};
    static const QSet<QString> texts = {"LTRIM", "RTRIM", "UPPER",   "LOWER",       "SUBSTRING",
                                        "LEFT",  "RIGHT", "REPLACE", "ZUR_DATE104", "STR"};
    if (numbers.contains(upper))
        return Kind::Number;
    if (texts.contains(upper))
        return Kind::Text;
    return Kind::Unknown;
}

Kind typeKind(const Token& type) {
    static const QSet<QString> texts = {"CHAR", "VARCHAR", "NCHAR", "NVARCHAR", "TEXT", "NTEXT"};
    static const QSet<QString> numbers = {"INT",  "BIGINT",  "SMALLINT", "TINYINT", "FLOAT",
                                          "REAL", "DECIMAL", "NUMERIC",  "MONEY",   "BIT"};
    const QString upper = type.text.toUpper();
    if (texts.contains(upper))
        return Kind::Text;
    if (numbers.contains(upper))
        return Kind::Number;
    return Kind::Unknown;
}

bool isAdditive(const Token& t) {
    return t.isOperator("+") || t.isOperator("-") || t.isOperator("||");
}
bool isMultiplicative(const Token& t) {
    return t.isOperator("*") || t.isOperator("/") || t.isOperator("%");
}

// A token after which a binary operator may follow.
bool endsOperand(const Token& t) {
    return t.is(T::String) || t.is(T::Number) || t.is(T::Param) || t.is(T::Variable) ||
           t.is(T::Quoted) || t.is(T::RParen) || t.isWord("END") || t.isWord("NULL") ||
           (t.is(T::Word) && !isKeyword(t));
}

class Chains {
  public:
    explicit Chains(Tokens& tokens) : t_(tokens) {}

    void run() {
        for (int i = 0; i < t_.size(); ++i) {
            if (t_[i].isOperator("+") && i > 0 && endsOperand(t_[i - 1]))
                rewriteChainAt(i);
        }
    }

  private:
    struct Chain {
        int end = 0;
        QVector<int> operators;
        Kind kind = Kind::Null;
    };

    void rewriteChainAt(int plus) {
        const Chain c = readChain(chainStart(plus - 1));
        if (!c.operators.contains(plus))
            failAt(t_, plus, QStringLiteral("cannot read the operands of"));
        bool minus = false;
        for (int op : c.operators)
            minus = minus || t_[op].isOperator("-");
        if (c.kind == Kind::Text && !minus) {
            for (int op : c.operators)
                t_[op].text = QStringLiteral("||");
        } else if (c.kind == Kind::Mixed || c.kind == Kind::Text) {
            failAt(t_, plus, QStringLiteral("'+' mixes texts and numbers"));
        } else if (c.kind == Kind::Unknown) {
            failAt(t_, plus, QStringLiteral("cannot tell whether '+' joins texts or adds numbers"));
        }
    }

    // --- reading backwards from the last token of an operand to the start of its chain
    int primaryStart(int last) const {
        const Token& t = t_.at(last);
        if (t.is(T::RParen)) {
            const int open = matchingParen(t_, last);
            return open > 0 && isName(t_[open - 1]) ? open - 1 : open;
        }
        if (t.isWord("END")) {
            int depth = 0;
            for (int i = last; i >= 0; --i) {
                if (t_[i].isWord("END"))
                    ++depth;
                if (t_[i].isWord("CASE") && --depth == 0)
                    return i;
            }
            failAt(t_, last, QStringLiteral("END without CASE"));
        }
        if (!endsOperand(t))
            failAt(t_, last, QStringLiteral("unexpected operand"));
        int start = last;
        while (start >= 2 && t_[start - 1].is(T::Dot) && isName(t_[start - 2]))
            start -= 2;
        return start;
    }

    int chainStart(int last) const {
        int start = primaryStart(last);
        while (start >= 2 && (isAdditive(t_[start - 1]) || isMultiplicative(t_[start - 1])) &&
               endsOperand(t_[start - 2]))
            start = primaryStart(start - 2);
        return start;
    }

    // --- reading forwards
    Chain readChain(int start) const {
        Chain c;
        int pos = start;
        c.kind = term(pos);
        while (isAdditive(t_.at(pos))) {
            c.operators.append(pos);
            if (t_[pos].isOperator("||"))
                c.kind = combine(c.kind, Kind::Text);
            ++pos;
            c.kind = combine(c.kind, term(pos));
        }
        c.end = pos;
        return c;
    }

    Kind term(int& pos) const {
        Kind k = primary(pos);
        bool product = false;
        while (isMultiplicative(t_.at(pos))) {
            ++pos;
            primary(pos);
            product = true;
        }
        return product ? Kind::Number : k;
    }

    Kind primary(int& pos) const {
        while (t_.at(pos).isOperator("-") || t_.at(pos).isOperator("+"))
            ++pos;
        const Token& t = t_.at(pos);
        if (t.is(T::String))
            return ++pos, Kind::Text;
        if (t.is(T::Number))
            return ++pos, Kind::Number;
        if (t.isWord("NULL"))
            return ++pos, Kind::Null;
        if (t.is(T::Param) || t.is(T::Variable))
            return ++pos, Kind::Unknown;
        if (t.isWord("CASE"))
            return caseKind(pos);
        if (t.is(T::LParen)) {
            const int close = matchingParen(t_, pos);
            const Kind k =
                t_[pos + 1].isWord("SELECT") ? Kind::Unknown : expression(pos + 1, close);
            pos = close + 1;
            return k;
        }
        if (isName(t) && t_.at(pos + 1).is(T::LParen))
            return callKind(pos);
        if (!isName(t))
            failAt(t_, pos, QStringLiteral("unexpected operand"));
        while (t_.at(pos + 1).is(T::Dot) && isName(t_.at(pos + 2)))
            pos += 2;
        const QString column = t_[pos].name().toLower();
        ++pos;
        if (isTextColumn(column))
            return Kind::Text;
        if (isNumberColumn(column))
            return Kind::Number;
        return Kind::Unknown;
    }

    // Kind of the tokens [begin, end) when they form one chain, else Unknown.
    Kind expression(int begin, int end) const {
        if (begin >= end)
            return Kind::Unknown;
        const Chain c = readChain(begin);
        return c.end == end ? c.kind : Kind::Unknown;
    }

    Kind callKind(int& pos) const {
        const QString name = t_[pos].name().toUpper();
        const int open = pos + 1;
        const int close = matchingParen(t_, open);
        pos = close + 1;
        if (name == "CAST") {
            for (int i = open + 1; i < close; ++i) {
                if (t_[i].is(T::LParen))
                    i = matchingParen(t_, i);
                else if (t_[i].isWord("AS"))
                    return typeKind(t_.at(i + 1));
            }
            failAt(t_, open, QStringLiteral("CAST without AS"));
        }
        if (name == "IFNULL" || name == "COALESCE") {
            Kind k = Kind::Null;
            int begin = open + 1;
            for (int i = begin; i <= close; ++i) {
                if (t_[i].is(T::LParen)) {
                    i = matchingParen(t_, i);
                } else if (t_[i].is(T::Comma) || i == close) {
                    k = combine(k, expression(begin, i));
                    begin = i + 1;
                }
            }
            return k;
        }
        return functionKind(name);
    }

    // CASE ... END: the kinds of its THEN and ELSE branches together.
    Kind caseKind(int& pos) const {
        Kind k = Kind::Null;
        int depth = 0;
        int branch = -1;
        for (int i = pos;; ++i) {
            const Token& t = t_.at(i);
            if (t.is(T::End))
                failAt(t_, pos, QStringLiteral("CASE without END"));
            if (t.is(T::LParen)) {
                i = matchingParen(t_, i);
                continue;
            }
            if (t.isWord("CASE"))
                ++depth;
            const bool closing = t.isWord("END") && depth == 1;
            if (depth == 1 && branch >= 0 && (t.isWord("WHEN") || t.isWord("ELSE") || closing)) {
                k = combine(k, expression(branch, i));
                branch = -1;
            }
            if (depth == 1 && (t.isWord("THEN") || t.isWord("ELSE")))
                branch = i + 1;
            if (t.isWord("END") && --depth == 0) {
                pos = i + 1;
                return k;
            }
        }
    }

    Tokens& t_;
};

}  // namespace

void rewriteConcatenation(Tokens& tokens) {
    Chains(tokens).run();
}

}  // namespace zur::tsql
