#include "documents/words.h"

#include <array>

namespace zur::documents {

namespace {

using Table = std::array<const char*, 10>;

constexpr Table kHundreds = {"",         "сто ",      "двести ",  "триста ",    "четыреста ",
                             "пятьсот ", "шестьсот ", "семьсот ", "восемьсот ", "девятьсот "};
constexpr Table kTens = {"",
                         "",
                         "двадцать ",
                         "тридцать ",
                         "сорок ",
                         "пятьдесят ",
                         "шестьдесят ",
                         "семьдесят ",
                         "восемьдесят ",
                         "девяносто "};
constexpr Table kUnits = {"",      "один ",  "два ",  "три ",    "четыре ",
                          "пять ", "шесть ", "семь ", "восемь ", "девять "};
constexpr Table kTeens = {"десять ",       "одиннадцать ", "двенадцать ",  "тринадцать ",
                          "четырнадцать ", "пятнадцать ",  "шестнадцать ", "семнадцать ",
                          "восемнадцать ", "девятнадцать "};

// Scale words by group position (2 = thousands .. 4 = milliards) and grammatical form.
enum Form { One, Few, Many };
constexpr std::array<std::array<const char*, 3>, 5> kScale = {{
    {"", "", ""},
    {"", "", ""},
    {"тысяча ", "тысячи ", "тысяч "},
    {"миллион ", "миллиона ", "миллионов "},
    {"миллиард ", "миллиарда ", "миллиардов "},
}};

constexpr std::array<const char*, 3> kCurrency = {" СОМ  ", " СОМА  ", " СОМОВ  "};

constexpr std::array<const char*, 12> kMonths = {"Января",   "Февраля", "Марта",  "Апреля",
                                                 "Мая",      "Июня",    "Июля",   "Августа",
                                                 "Сентября", "Октября", "Ноября", "Декабря"};

// The form a counted noun takes after a number ending in `tens` and `units`.
Form formFor(int tens, int units) {
    if (tens == 1) {
        return Many;
    }
    if (units == 1) {
        return One;
    }
    return units >= 2 && units <= 4 ? Few : Many;
}

QString groupWords(int hundreds, int tens, int units, int position) {
    QString text = QString::fromUtf8(kHundreds[hundreds]);
    if (tens == 1) {
        text += QString::fromUtf8(kTeens[units]);
    } else {
        text += QString::fromUtf8(kTens[tens]);
        if (position == 2 && units == 1) {
            text += QStringLiteral("одна ");
        } else if (position == 2 && units == 2) {
            text += QStringLiteral("две ");
        } else {
            text += QString::fromUtf8(kUnits[units]);
        }
    }
    if (position < static_cast<int>(kScale.size())) {
        text += QString::fromUtf8(kScale[position][formFor(tens, units)]);
    }
    return text;
}

}  // namespace

QString amount_in_words(const QString& digits, WordsVariant variant) {
    if (digits.isEmpty()) {
        return {};
    }
    if (digits.count(QLatin1Char('0')) == digits.size()) {
        return QStringLiteral("Ноль");
    }
    QString padded = digits;
    while (padded.size() % 3 != 0) {
        padded.prepend(QLatin1Char('0'));
    }
    QString text;
    const int groups = padded.size() / 3;
    for (int g = 0; g < groups; ++g) {
        const QStringView group = QStringView(padded).mid(g * 3, 3);
        if (group == u"000") {
            continue;
        }
        text += groupWords(group[0].digitValue(), group[1].digitValue(), group[2].digitValue(),
                           groups - g);
    }
    return text.toUpper() + currency_word(padded, variant);
}

QString currency_word(const QString& digits, WordsVariant variant) {
    const int units = digits.isEmpty() ? 0 : digits.back().digitValue();
    const int tens = digits.size() < 2 ? 0 : digits[digits.size() - 2].digitValue();
    QString word = QString::fromUtf8(kCurrency[formFor(tens, units)]);
    if (variant == WordsVariant::Receipt) {
        word.chop(1);
    }
    return word;
}

QString date_in_words(const QString& date) {
    const qsizetype first = date.indexOf(QLatin1Char('.'));
    const qsizetype second = date.indexOf(QLatin1Char('.'), first + 1);
    const QString day = date.left(first).left(2);
    const int month = date.mid(first + 1, second - first - 1).toInt();
    const QString year = date.mid(second + 1);
    const QString monthName =
        month >= 1 && month <= 12 ? QString::fromUtf8(kMonths[month - 1]) : QString();
    return day + QLatin1Char(' ') + monthName + QLatin1Char(' ') + year + QStringLiteral(" года");
}

}  // namespace zur::documents
