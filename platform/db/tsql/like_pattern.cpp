#include "platform/db/tsql/like_pattern.h"

#include <QVector>

namespace zur::tsql {

namespace {

struct Element {
    enum class Kind { AnyRun, One, Set, Literal };
    Kind kind = Kind::Literal;
    QString chars;                            // Literal: the character; Set: single members
    QVector<std::pair<QChar, QChar>> ranges;  // Set: a-z ranges
    bool negated = false;

    bool matches(QChar c) const {
        switch (kind) {
            case Kind::One:
                return true;
            case Kind::Literal:
                return chars.front() == c;
            case Kind::Set: {
                bool in = chars.contains(c);
                for (const auto& [from, to] : ranges)
                    in = in || (c >= from && c <= to);
                return in != negated;
            }
            case Kind::AnyRun:
                return false;
        }
        return false;
    }
};

// Reads "[...]" starting at `open`; returns the index after ']' or -1 when there is none.
qsizetype readSet(const QString& p, qsizetype open, Element& e) {
    const qsizetype close = p.indexOf(u']', open + 2);
    if (close < 0)
        return -1;
    e.kind = Element::Kind::Set;
    qsizetype i = open + 1;
    if (p[i] == u'^' && i + 1 < close) {
        e.negated = true;
        ++i;
    }
    for (; i < close; ++i) {
        if (i + 2 < close && p[i + 1] == u'-') {
            e.ranges.append({p[i], p[i + 2]});
            i += 2;
        } else {
            e.chars += p[i];
        }
    }
    return close + 1;
}

QVector<Element> parse(const QString& p, QChar escape) {
    QVector<Element> out;
    for (qsizetype i = 0; i < p.size();) {
        Element e;
        const QChar c = p[i];
        qsizetype afterSet = -1;
        if (!escape.isNull() && c == escape && i + 1 < p.size()) {
            e.chars = p[i + 1];
            i += 2;
        } else if (c == u'%') {
            e.kind = Element::Kind::AnyRun;
            ++i;
        } else if (c == u'_') {
            e.kind = Element::Kind::One;
            ++i;
        } else if (c == u'[' && (afterSet = readSet(p, i, e)) > 0) {
            i = afterSet;
        } else {
            e.chars = c;
            ++i;
        }
        out.append(e);
    }
    return out;
}

}  // namespace

bool likeMatches(const QString& pattern, const QString& value, QChar escape) {
    const QVector<Element> p = parse(pattern.toCaseFolded(), escape.toCaseFolded());
    const QString s = value.toCaseFolded();
    qsizetype pi = 0, si = 0, starP = -1, starS = 0;
    while (si < s.size()) {
        if (pi < p.size() && p[pi].kind == Element::Kind::AnyRun) {
            starP = pi++;
            starS = si;
        } else if (pi < p.size() && p[pi].matches(s[si])) {
            ++pi;
            ++si;
        } else if (starP >= 0) {
            pi = starP + 1;
            si = ++starS;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi].kind == Element::Kind::AnyRun)
        ++pi;
    return pi == p.size();
}

}  // namespace zur::tsql
