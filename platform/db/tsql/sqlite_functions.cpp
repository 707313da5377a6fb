#include "platform/db/tsql/sqlite_functions.h"

#include <sqlite3.h>

#include <optional>

#include "platform/db/tsql/case_fold.h"
#include "platform/db/tsql/date_text.h"
#include "platform/db/tsql/like_pattern.h"

namespace zur::tsql {

namespace {

std::string_view utf8Argument(sqlite3_value* value) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return {bytes, size_t(sqlite3_value_bytes(value))};
}

QString textArgument(sqlite3_value* value) {
    const std::string_view bytes = utf8Argument(value);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

void resultText(sqlite3_context* context, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// Reads the date argument; on NULL or an unreadable text sets the result and returns nothing.
std::optional<QDate> dateArgument(sqlite3_context* context, sqlite3_value* value) {
    if (sqlite3_value_type(value) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return std::nullopt;
    }
    if (const std::optional<QDate> stored = readStoredDate(utf8Argument(value)))
        return stored;
    const QString text = textArgument(value);
    const QDateTime date = readDateText(text);
    if (!date.isValid()) {
        sqlite3_result_error(context, ("not a date: " + text).toUtf8().constData(), -1);
        return std::nullopt;
    }
    return date.date();
}

template <int Part>
void datePart(sqlite3_context* context, int, sqlite3_value** argv) {
    const auto d = dateArgument(context, argv[0]);
    if (!d)
        return;
    sqlite3_result_int(context, Part == 0 ? d->year() : Part == 1 ? d->month() : d->day());
}

void getDate(sqlite3_context* context, int, sqlite3_value**) {
    resultText(context, storedDateText(QDateTime::currentDateTime()));
}

void date104(sqlite3_context* context, int, sqlite3_value** argv) {
    const auto date = dateArgument(context, argv[0]);
    if (date)
        resultText(context, date->toString(QStringLiteral("dd.MM.yyyy")));
}

// like(pattern, value [, escape]) as SQLite calls it for `value LIKE pattern [ESCAPE e]`.
void like(sqlite3_context* context, int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return sqlite3_result_null(context);
    }
    QChar escape;
    if (argc == 3) {
        const QString e = textArgument(argv[2]);
        if (e.size() != 1) {
            return sqlite3_result_error(context, "ESCAPE expression must be a single character",
                                        -1);
        }
        escape = e.front();
    }
    sqlite3_result_int(context,
                       likeMatches(textArgument(argv[0]), textArgument(argv[1]), escape) ? 1 : 0);
}

int collate(void*, int sizeA, const void* a, int sizeB, const void* b) {
    return compareFolded({static_cast<const char*>(a), size_t(sizeA)},
                         {static_cast<const char*>(b), size_t(sizeB)});
}

struct Function {
    const char* name;
    int arguments;
    bool deterministic;
    void (*call)(sqlite3_context*, int, sqlite3_value**);
};

}  // namespace

int registerFunctions(sqlite3* db) {
    static const Function functions[] = {
        {"year", 1, true, datePart<0>},    {"month", 1, true, datePart<1>},
        {"day", 1, true, datePart<2>},     {"getdate", 0, false, getDate},
        {"zur_date104", 1, true, date104}, {"like", 2, true, like},
        {"like", 3, true, like},
    };
    for (const Function& f : functions) {
        const int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
        const int rc = sqlite3_create_function_v2(db, f.name, f.arguments, flags, nullptr, f.call,
                                                  nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            return rc;
    }
    return sqlite3_create_collation_v2(db, kCollation, SQLITE_UTF8, nullptr, collate, nullptr);
}

}  // namespace zur::tsql
