#pragma once
// The amount and the date as the cash orders print them in words.

#include <QString>

namespace zur::documents {

// The two orders spell an amount alike and differ only in the blanks after the currency word:
// the receipt keeps one, the expense order both.
enum class WordsVariant { Receipt, Expense };

// Words of the integer part of an amount in som, given as decimal digits ("1500"): upper case,
// followed by the currency word in the form Russian grammar asks for the number. All zeros give
// "Ноль" alone; an empty text gives an empty result.
QString amount_in_words(const QString& digits, WordsVariant variant);

// The currency word that follows the words of `digits`, with its leading blank and the trailing
// blanks of `variant`: " СОМ ", " СОМА ", " СОМОВ " on a receipt.
QString currency_word(const QString& digits, WordsVariant variant);

// "dd.mm.yyyy" written with the month as a word: "05 Марта 2016 года".
QString date_in_words(const QString& date);

}  // namespace zur::documents
