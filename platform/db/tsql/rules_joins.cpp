// Brackets around the right side of a JOIN when that side is itself a join:
//   A RIGHT OUTER JOIN B INNER JOIN C ON c1 ON c2 -> A RIGHT OUTER JOIN (B INNER JOIN C ON c1) ON
//   c2
// SQLite reads joins only left to right, so without the brackets the second ON is an error.

#include <QVector>
#include <algorithm>

#include "platform/db/tsql/rules.h"
#include "platform/db/tsql/token_edit.h"

namespace zur::tsql {

namespace {

using T = Token::Type;

bool endsFromClause(const Token& t) {
    static const char* const words[] = {"WHERE",  "GROUP",     "ORDER",  "HAVING", "UNION",
                                        "EXCEPT", "INTERSECT", "OPTION", "FOR",    "LIMIT"};
    for (const char* w : words) {
        if (t.isWord(w))
            return true;
    }
    return t.is(T::RParen) || t.is(T::Semicolon) || t.is(T::End);
}

class FromClause {
  public:
    FromClause(Tokens& tokens, int from) : t_(tokens), pos_(from + 1) {
        end_ = pos_;
        while (!endsFromClause(t_.at(end_))) {
            if (t_[end_].is(T::LParen))
                end_ = matchingParen(t_, end_);
            ++end_;
        }
    }

    void run() {
        chain();
        while (pos_ < end_ && t_[pos_].is(T::Comma)) {
            ++pos_;
            chain();
        }
        if (pos_ != end_)
            failAt(t_, pos_, QStringLiteral("unexpected token in FROM"));
        applyBrackets();
    }

  private:
    struct Join {
        int length = 0;  // 0: no join here
        bool cross = false;
    };

    Join joinAt(int i) const {
        int k = i;
        Join j;
        if (t_.at(k).isWord("INNER")) {
            ++k;
        } else if (t_.at(k).isWord("CROSS")) {
            j.cross = true;
            ++k;
        } else if (t_.at(k).isWord("LEFT") || t_.at(k).isWord("RIGHT") || t_.at(k).isWord("FULL")) {
            ++k;
            if (t_.at(k).isWord("OUTER"))
                ++k;
        }
        if (!t_.at(k).isWord("JOIN"))
            return {};
        j.length = k + 1 - i;
        return j;
    }

    void table() {
        if (pos_ >= end_)
            failAt(t_, pos_, QStringLiteral("expected a table"));
        if (t_[pos_].is(T::LParen)) {
            pos_ = matchingParen(t_, pos_) + 1;
        } else if (isName(t_[pos_])) {
            ++pos_;
            while (t_.at(pos_).is(T::Dot) && isName(t_.at(pos_ + 1)))
                pos_ += 2;
        } else {
            failAt(t_, pos_, QStringLiteral("expected a table"));
        }
        if (t_.at(pos_).isWord("AS")) {
            ++pos_;
            if (!isName(t_.at(pos_)))
                failAt(t_, pos_, QStringLiteral("expected an alias"));
        }
        if (pos_ < end_ && isName(t_[pos_]))
            ++pos_;
        if (pos_ < end_ && t_[pos_].isWord("WITH"))
            failAt(t_, pos_, QStringLiteral("table hints unsupported"));
    }

    void condition() {
        if (!t_.at(pos_).isWord("ON"))
            failAt(t_, pos_, QStringLiteral("expected ON"));
        const int start = ++pos_;
        while (pos_ < end_ && !t_[pos_].isWord("ON") && !t_[pos_].is(T::Comma) &&
               joinAt(pos_).length == 0) {
            if (t_[pos_].is(T::LParen))
                pos_ = matchingParen(t_, pos_);
            ++pos_;
        }
        if (pos_ == start)
            failAt(t_, pos_, QStringLiteral("empty join condition"));
    }

    // Joins the sources that follow; returns whether there was any.
    bool joins() {
        bool any = false;
        while (pos_ < end_) {
            const Join j = joinAt(pos_);
            if (j.length == 0)
                break;
            pos_ += j.length;
            any = true;
            if (j.cross) {
                table();
                continue;
            }
            rightSide();
            condition();
        }
        return any;
    }

    void chain() {
        table();
        joins();
    }

    void rightSide() {
        const int start = pos_;
        table();
        if (joins())
            brackets_.append({start, pos_});
    }

    void applyBrackets() {
        struct Insert {
            int at;
            bool open;
        };
        QVector<Insert> inserts;
        for (const auto& [open, close] : brackets_) {
            inserts.append({open, true});
            inserts.append({close, false});
        }
        std::stable_sort(inserts.begin(), inserts.end(),
                         [](const Insert& a, const Insert& b) { return a.at > b.at; });
        for (const Insert& in : inserts) {
            if (in.open) {
                insertToken(t_, in.at, T::LParen, QStringLiteral("("), t_[in.at].space);
                t_[in.at + 1].space.clear();
            } else {
                insertToken(t_, in.at, T::RParen, QStringLiteral(")"), QString());
            }
        }
    }

    Tokens& t_;
    int pos_;
    int end_;
    QVector<std::pair<int, int>> brackets_;
};

}  // namespace

void bracketNestedJoins(Tokens& tokens) {
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens[i].isWord("FROM"))
            FromClause(tokens, i).run();
    }
}

}  // namespace zur::tsql
