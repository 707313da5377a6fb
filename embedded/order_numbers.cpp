#include "embedded/order_numbers.h"

#include "embedded/procedure_support.h"

namespace zur::embedded {

namespace {

// One order number series: a cash desk, a direction and a calendar year.
struct Series {
    QString table;  // Payment (income) or Expense
    QVariant kassa;
    QString year;

    db::Params params() const {
        return {{QStringLiteral("kassa"), kassa}, {QStringLiteral("year"), year}};
    }
};

Series seriesOf(db::ProcedureContext& context, const db::ProcedureArgs& args) {
    const QDate date = dateArgument(args.get(0, QStringLiteral("date")));
    const qlonglong user = integerArgument(args, 1, QStringLiteral("id_user"));
    const qlonglong direction = integerArgument(args, 2, QStringLiteral("direction"));
    const QVariant kassa =
        scalar(context, QStringLiteral("SELECT id_kassa FROM ZUR_User WHERE id_ZUR_user = :user"),
               {{QStringLiteral("user"), user}});
    return {direction == 0 ? QStringLiteral("Expense") : QStringLiteral("Payment"), kassa,
            QString::number(date.year())};
}

// The condition that the order number indexes answer: keep it in step with schema.sql.
const char* const kSeriesCondition = "id_kassa = :kassa AND substr(p103, 1, 4) = :year";

}  // namespace

db::ResultSet getNum(db::ProcedureContext& context, const db::ProcedureArgs& args) {
    const Series series = seriesOf(context, args);
    return context.run(QStringLiteral("SELECT max(p104) AS p104 FROM %1 WHERE %2")
                           .arg(series.table, QLatin1String(kSeriesCondition)),
                       series.params());
}

db::ResultSet getThreeNums(db::ProcedureContext& context, const db::ProcedureArgs& args) {
    const Series series = seriesOf(context, args);
    const bool numbers = integerArgument(args, 3, QStringLiteral("which")) != 0;
    const QString condition = QLatin1String(kSeriesCondition);
    const QString recent = numbers
                               ? QStringLiteral(
                                     "SELECT p104, p104 AS k FROM %1 WHERE %2 AND p104 IS NOT NULL "
                                     "ORDER BY p104 DESC LIMIT 3")
                                     .arg(series.table, condition)
                               : QStringLiteral(
                                     "SELECT p104_1 AS p104, id_%1 AS k FROM %2 WHERE %3 "
                                     "AND p104_1 IS NOT NULL AND p104_1 <> '' "
                                     "ORDER BY id_%1 DESC LIMIT 3")
                                     .arg(series.table.toLower(), series.table, condition);
    return context.run(QStringLiteral("SELECT p104 FROM (%1) ORDER BY k").arg(recent),
                       series.params());
}

}  // namespace zur::embedded
