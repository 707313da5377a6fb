#include "documents/order_text.h"

namespace zur::documents {

namespace {

QString withoutBlanks(QString text) {
    text.remove(QLatin1Char(' '));
    return text;
}

}  // namespace

AmountParts split_amount(const QString& amount) {
    // A point is taken as the separator too, so a total formatted under another locale does not
    // lose its fraction or run the cents into the integer part.
    qsizetype separator = amount.indexOf(QLatin1Char(','));
    if (separator < 0) {
        separator = amount.indexOf(QLatin1Char('.'));
    }
    if (separator < 0) {
        return {withoutBlanks(amount), QStringLiteral("00")};
    }
    return {withoutBlanks(amount.left(separator)), amount.mid(separator + 1)};
}

QString amount_line(const QString& amount, WordsVariant variant) {
    const AmountParts parts = split_amount(amount);
    QString words = amount_in_words(parts.integer, variant);
    if (words == QStringLiteral("Ноль")) {
        // Zero som still needs its currency word, or the kopecks run into the word.
        words = QStringLiteral("НОЛЬ ") + currency_word(parts.integer, variant);
    }
    return words + parts.fraction + QStringLiteral(" т.");
}

QString date_time_line(const QDateTime& payDate, const QTime& now) {
    return date_in_words(payDate.toString(QStringLiteral("dd.MM.yyyy"))) + QLatin1Char(' ') +
           QString::number(now.hour()) + QLatin1Char(':') +
           QStringLiteral("%1").arg(now.minute(), 2, 10, QLatin1Char('0'));
}

QString short_date_line(const QDateTime& payDate) {
    return date_in_words(payDate.toString(QStringLiteral("dd.MM.yyyy")))
        .replace(QStringLiteral("года"), QStringLiteral("г."));
}

bool is_zero_amount(const QString& amount) {
    QString text = withoutBlanks(amount);
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text.toDouble() == 0.0;
}

}  // namespace zur::documents
