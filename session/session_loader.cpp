#include "session/session_loader.h"

#include "data/dm_smeta.h"
#include "data/session_context.h"

namespace zur::session {

namespace {

// Runs `sql` on the general-purpose query, left open on its first row.
db::DataSet& runExec(data::TDM_Smeta& dm, const QString& sql) {
    dm.ADOQ_Exec->reopen(sql);
    return *dm.ADOQ_Exec;
}

// A field of the first row as an integer; a missing row or a null gives 0.
int firstInt(db::DataSet& set, const QString& field) {
    if (set.isEmpty()) {
        return 0;
    }
    db::Field* column = set.findField(field);
    return column == nullptr || column->isNull() ? 0 : column->asInteger();
}

void openTable(db::DataSet& set, const QString& sql) {
    set.close();
    set.setSql(sql);
    set.open();
}

// Setting 34: 0 (or no row) makes the order number read-only, 1 editable, others keep it.
std::optional<bool> readOnlyBySetting(int value) {
    if (value == 0) {
        return true;
    }
    if (value == 1) {
        return false;
    }
    return std::nullopt;
}

// Setting 40: 0 (or no row) hides the expense page's faculty choice, 1 shows it.
std::optional<bool> visibleBySetting(int value) {
    if (value == 0) {
        return false;
    }
    if (value == 1) {
        return true;
    }
    return std::nullopt;
}

int setting(data::TDM_Smeta& dm, int number) {
    return firstInt(
        runExec(dm, QStringLiteral(" SELECT TOP(1) * FROM VuzDefaults WHERE id_vuz_defaults=%1")
                        .arg(number)),
        QStringLiteral("id_field"));
}

}  // namespace

SessionSwitches load_session_context(data::TDM_Smeta& dm, data::SessionContext& context) {
    const QString user = QString::number(context.current_user_id);
    context.cash_desk_id = firstInt(
        runExec(dm,
                QStringLiteral("SELECT TOP 1 id_kassa FROM ZUR_USER WHERE id_zur_user = ") + user),
        QStringLiteral("id_kassa"));
    const QString desk = QString::number(context.cash_desk_id);

    dm.ADOQ_kassa->close();
    dm.ADOQ_kassa->setParam(QStringLiteral("id_ZUR_user"), context.current_user_id);
    dm.ADOQ_kassa->open();

    openTable(*dm.ADOT_Shet, QStringLiteral("SELECT * FROM shet where id_kassa = ") + desk);
    dm.ADOT_Shet->setSort(QStringLiteral("shet"));
    openTable(*dm.ADOQ_Faculty, QStringLiteral("EXEC GetFacultyFromKassaForUser ") + user);
    dm.ADOT_a_year->open();
    dm.ADOT_Rate->open();
    dm.ADOQ_Grid2->open();
    dm.ADOQ_slushatel2->open();
    dm.ADOT_Teacher->open();
    dm.ADOT_Teacher->setSort(QStringLiteral("t_fio"));
    openTable(*dm.ADOT_Uslugi_2, QStringLiteral("SELECT * FROM uslugi where id_kassa = ") + desk);
    dm.ADOT_Uslugi_2->setSort(QStringLiteral("Uslugi"));
    dm.ADOT_Uslugi_2->setFilter(QStringLiteral("is_visible = 1"));
    dm.ADOT_Uslugi_2->setFiltered(true);
    openTable(
        *dm.ADOQ_Update_Spec,
        QStringLiteral(" SELECT specialityRR.id_speciality, specialityRR.p25_2 FROM "
                       "dbo.specialityRR, KasFak, ZUR_User  WHERE (dbo.specialityRR.id_faculty "
                       "= KasFak.id_faculty) AND (KasFak.id_kassa = ZUR_User.id_kassa)GROUP BY "
                       "specialityRR.id_speciality, specialityRR.p25_2  ORDER BY "
                       "dbo.specialityRR.[p25_2]"));
    dm.ADOQ_Speciality->open();
    dm.ADOT_V_Opl->open();

    db::DataSet& defaults =
        runExec(dm, QStringLiteral("SELECT TOP 1 Def_Uslug.* From  [ZUR].dbo.Def_Uslug Where "
                                   "Def_Uslug.id_kassa = ") +
                        desk);
    context.income_purpose_id = firstInt(defaults, QStringLiteral("f2"));
    context.expense_purpose_id = firstInt(defaults, QStringLiteral("f3_1"));
    context.refund_purpose_id = firstInt(defaults, QStringLiteral("f3_2"));

    SessionSwitches switches;
    switches.orderEditReadOnly = readOnlyBySetting(setting(dm, 34));
    switches.expenseFacultyVisible = visibleBySetting(setting(dm, 40));
    dm.ADOQ_Exec->close();
    return switches;
}

}  // namespace zur::session
