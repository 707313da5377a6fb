#include "platform/db/dataset/record_order.h"

#include "platform/db/db_error.h"

#include <QRegularExpression>

namespace zur::db {

namespace {

[[noreturn]] void badFilter(const QString& text) {
    throw DbError(QStringLiteral("Неверный текст фильтра: %1").arg(text));
}

CompareOp opOf(const QString& text) {
    if (text == u"=") {
        return CompareOp::Equal;
    }
    if (text == u"<>" || text == u"!=") {
        return CompareOp::NotEqual;
    }
    if (text == u"<") {
        return CompareOp::Less;
    }
    if (text == u"<=") {
        return CompareOp::LessOrEqual;
    }
    if (text == u">") {
        return CompareOp::Greater;
    }
    return CompareOp::GreaterOrEqual;
}

QVariant literalOf(const QString& text, const QString& filter) {
    if (text.startsWith(u'\'')) {
        return text.mid(1, text.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    }
    if (text.compare(u"NULL", Qt::CaseInsensitive) == 0) {
        return {};
    }
    if (text.compare(u"TRUE", Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(u"FALSE", Qt::CaseInsensitive) == 0) {
        return false;
    }
    bool ok = false;
    const qlonglong integer = text.toLongLong(&ok);
    if (ok) {
        return integer;
    }
    const double number = QString(text).replace(u',', u'.').toDouble(&ok);
    if (!ok) {
        badFilter(filter);
    }
    return number;
}

}  // namespace

QVector<FilterTerm> parseFilter(const QString& text) {
    static const QRegularExpression term(
        QStringLiteral(
            R"(\s*\[?([\w\-]+)\]?\s*(<>|!=|<=|>=|=|<|>)\s*('(?:[^']|'')*'|[^\s']+)\s*(?:(AND)\b|$))"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    QVector<FilterTerm> result;
    qsizetype at = 0;
    while (at < text.size() && !text.mid(at).trimmed().isEmpty()) {
        const QRegularExpressionMatch match =
            term.match(text, at, QRegularExpression::NormalMatch,
                       QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch()) {
            badFilter(text);
        }
        result.append(
            {match.captured(1), opOf(match.captured(2)), literalOf(match.captured(3), text)});
        at = match.capturedEnd(0);
        if (match.captured(4).isEmpty() && at < text.size()) {
            badFilter(text);
        }
    }
    return result;
}

bool passes(const FilterTerm& term, const QVariant& value, int order) {
    if (term.value.isNull() || value.isNull()) {
        const bool same = term.value.isNull() == value.isNull();
        return term.op == CompareOp::Equal ? same : (term.op == CompareOp::NotEqual && !same);
    }
    switch (term.op) {
        case CompareOp::Equal:
            return order == 0;
        case CompareOp::NotEqual:
            return order != 0;
        case CompareOp::Less:
            return order < 0;
        case CompareOp::LessOrEqual:
            return order <= 0;
        case CompareOp::Greater:
            return order > 0;
        case CompareOp::GreaterOrEqual:
            return order >= 0;
    }
    return false;
}

QVector<SortKey> parseSort(const QString& text) {
    QVector<SortKey> result;
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    for (const QString& part : text.split(separators)) {
        QStringList words = part.simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty()) {
            if (!text.trimmed().isEmpty()) {
                throw DbError(QStringLiteral("Неверный порядок сортировки: %1").arg(text));
            }
            continue;
        }
        SortKey key;
        const QString& last = words.last();
        if (words.size() > 1 && (last.compare(u"DESC", Qt::CaseInsensitive) == 0 ||
                                 last.compare(u"ASC", Qt::CaseInsensitive) == 0)) {
            key.descending = last.compare(u"DESC", Qt::CaseInsensitive) == 0;
            words.removeLast();
        }
        key.field = words.join(u' ');
        if (key.field.startsWith(u'[') && key.field.endsWith(u']')) {
            key.field = key.field.mid(1, key.field.size() - 2);
        }
        result.append(key);
    }
    return result;
}

}  // namespace zur::db
