#include "documents/order_inputs.h"

#include "platform/db/connection.h"

namespace zur::documents {

Officials load_officials(db::Connection& connection, qlonglong cashDeskId) {
    const db::ResultSet result = connection.query(
        QStringLiteral("SELECT TOP 1 rukov, glavBuh, kasir FROM kassa WHERE id_kassa = ") +
        QString::number(cashDeskId));
    if (result.rows.isEmpty()) {
        return {};
    }
    const auto& row = result.rows.first();
    return {row.value(0).toString(), row.value(1).toString(), row.value(2).toString()};
}

bool faculty_hides_institution(db::Connection& connection, qlonglong facultyId) {
    const db::ResultSet result = connection.query(
        QStringLiteral("SELECT id_faculty, RS_opl FROM faculty WHERE id_faculty =") +
        QString::number(facultyId));
    return !result.rows.isEmpty() && result.rows.first().value(1).toInt() == 1;
}

}  // namespace zur::documents
