#include "platform/db/dataset/statement_scan.h"

#include <QVector>

namespace zur::db {

namespace {

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#';
}

// Words, bracketed names, literals and single punctuation marks, with the bracket depth of
// each (0 = outer statement). Comments are dropped.
struct Token {
    QString text;
    int depth = 0;
    bool literal = false;
};

QVector<Token> tokens(const QString& sql) {
    QVector<Token> result;
    int depth = 0;
    qsizetype i = 0;
    const qsizetype n = sql.size();
    while (i < n) {
        const QChar c = sql[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            while (i < n && sql[i] != u'\n') {
                ++i;
            }
        } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 2;
        } else if (c == u'\'' || c == u'"' || c == u'[') {
            const QChar close = c == u'[' ? u']' : c;
            qsizetype j = i + 1;
            while (j < n && (sql[j] != close || (j + 1 < n && sql[j + 1] == close && c != u'['))) {
                j += sql[j] == close ? 2 : 1;
            }
            result.append({sql.mid(i, j + 1 - i), depth, c == u'\''});
            i = j + 1;
        } else if (isNameChar(c)) {
            qsizetype j = i;
            while (j < n && isNameChar(sql[j])) {
                ++j;
            }
            result.append({sql.mid(i, j - i), depth, false});
            i = j;
        } else {
            if (c == u')') {
                --depth;
            }
            result.append({QString(c), depth, false});
            if (c == u'(') {
                ++depth;
            }
            ++i;
        }
    }
    return result;
}

bool is(const Token& token, const char* word) {
    return token.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

QString unbracket(QString name) {
    if (name.startsWith(u'[') || name.startsWith(u'"')) {
        name = name.mid(1, name.size() - 2);
    }
    return name;
}

}  // namespace

QStringList statementParams(const QString& sql) {
    QStringList result;
    const QVector<Token> list = tokens(sql);
    for (qsizetype i = 0; i + 1 < list.size(); ++i) {
        if (list[i].text != u":" || list[i].literal || !isNameChar(list[i + 1].text[0]) ||
            (i > 0 && list[i - 1].text == u":")) {
            continue;
        }
        QString name = list[i + 1].text;
        while (name.startsWith(u'@')) {
            name.remove(0, 1);
        }
        if (!name.isEmpty() && !result.contains(name, Qt::CaseInsensitive)) {
            result.append(name);
        }
    }
    return result;
}

QString singleTableOf(const QString& sql) {
    const QVector<Token> list = tokens(sql);
    qsizetype from = -1;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].depth == 0 && !list[i].literal && is(list[i], "FROM")) {
            from = i;
            break;
        }
    }
    if (from < 0 || from + 1 >= list.size() || list[from + 1].text == u"(") {
        return {};
    }
    // The dotted name: [ZUR].[dbo].[group], dbo.Payment, Payment.
    qsizetype i = from + 1;
    QString table = unbracket(list[i].text);
    while (i + 2 < list.size() && list[i + 1].text == u".") {
        i += 2;
        table = unbracket(list[i].text);
    }
    for (++i; i < list.size(); ++i) {
        const Token& token = list[i];
        if (token.depth > 0) {
            continue;
        }
        if (is(token, "WHERE") || is(token, "ORDER") || is(token, "GROUP") || is(token, "HAVING") ||
            is(token, "UNION") || token.text == u";") {
            break;
        }
        if (token.text == u"," || is(token, "JOIN")) {
            return {};
        }
    }
    return table;
}

}  // namespace zur::db
