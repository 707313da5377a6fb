#include "embedded/procedure_support.h"

#include "platform/db/db_error.h"
#include "platform/db/sql_values.h"

namespace zur::embedded {

QVariant scalar(db::ProcedureContext& context, const QString& sql, const db::Params& params) {
    const db::ResultSet result = context.run(sql, params);
    return result.rows.isEmpty() ? QVariant() : result.rows.first().value(0);
}

int setting(db::ProcedureContext& context, int id, int fallback) {
    const QVariant value = scalar(
        context, QStringLiteral("SELECT id_field FROM VuzDefaults WHERE id_vuz_defaults = :id"),
        {{QStringLiteral("id"), id}});
    return value.isNull() ? fallback : value.toInt();
}

db::ResultSet oneRow(const QStringList& columns, const QVector<QVariant>& values) {
    db::ResultSet result;
    for (const QString& name : columns) {
        result.columns.append({name, QString()});
    }
    result.rows.append(values);
    return result;
}

QDate dateArgument(const QVariant& value) {
    const QString text = value.toString().trimmed();
    QDate date = QDate::fromString(text.left(10), QStringLiteral("dd.MM.yyyy"));
    if (!date.isValid()) {
        date = QDate::fromString(text.section(u' ', 0, 0), QStringLiteral("d.M.yyyy"));
    }
    if (!date.isValid()) {
        date = db::parseStoredDateTime(text).date();
    }
    if (!date.isValid()) {
        throw db::DbError(QStringLiteral("Неверная дата: '%1'").arg(text));
    }
    return date;
}

qlonglong integerArgument(const db::ProcedureArgs& args, int position, const QString& name) {
    const QVariant value = args.get(position, name);
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    if (value.isNull() || !ok) {
        throw db::DbError(QStringLiteral("Параметр @%1: ожидается целое число, получено '%2'")
                              .arg(name, value.toString()));
    }
    return number;
}

Savepoint::Savepoint(db::ProcedureContext& context) : context_(context) {
    context_.run(QStringLiteral("SAVEPOINT zur_procedure"));
}

Savepoint::~Savepoint() {
    if (released_) {
        return;
    }
    try {
        context_.run(QStringLiteral("ROLLBACK TO zur_procedure"));
        context_.run(QStringLiteral("RELEASE zur_procedure"));
    } catch (const db::DbError&) {
        // The engine already undid the statements; nothing more to roll back.
    }
}

void Savepoint::release() {
    context_.run(QStringLiteral("RELEASE zur_procedure"));
    released_ = true;
}

}  // namespace zur::embedded
