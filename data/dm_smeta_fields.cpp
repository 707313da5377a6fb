// The persistent fields of the module's data sets.

#include "data/dm_smeta.h"

namespace zur::data {

using db::DataSet;
using db::FieldDef;
using db::FieldType;

namespace {

const QString kMoney = QStringLiteral("0.##");
const QString kDate = QStringLiteral("DD.MM.YYYY");
const QString kDateMask = QStringLiteral("00/00/0000;1;_");

FieldDef integer(const char* name) {
    return FieldDef::data(QString::fromLatin1(name), FieldType::Integer);
}

FieldDef text(const char* name, int size, FieldType type = FieldType::String) {
    return FieldDef::data(QString::fromLatin1(name), type, size);
}

FieldDef lookup(const char* name, const char* key, DataSet* list, const char* result,
                int size = 0) {
    return FieldDef::lookup(QString::fromLatin1(name), QString::fromLatin1(key), list,
                            QString::fromLatin1(key), QString::fromLatin1(result), size);
}

void addAll(DataSet* set, std::initializer_list<FieldDef> defs) {
    for (const FieldDef& def : defs) {
        set->addField(def);
    }
}

}  // namespace

void TDM_Smeta::defineRecordFields() {
    // Income and expense records: the same data fields in the same order; the expense key and
    // its own columns differ.
    for (DataSet* set : {ADOQ_Payment, ADOQ_Expense}) {
        const bool payment = set == ADOQ_Payment;
        addAll(set, {FieldDef::data(
                         payment ? QStringLiteral("id_payment") : QStringLiteral("id_expense"),
                         FieldType::AutoInc),
                     integer("id_abiturient"),
                     integer("id_teacher"),
                     integer("id_student"),
                     FieldDef::data(QStringLiteral("p102"), FieldType::Float),
                     FieldDef::data(QStringLiteral("p103"), FieldType::DateTime)
                         .format(kDate)
                         .mask(kDateMask),
                     integer("id_v_opl"),
                     integer("id_a_year"),
                     integer("id_speciality"),
                     integer("id_uslug"),
                     FieldDef::data(QStringLiteral("data_prikaz"), FieldType::DateTime)
                         .format(kDate)
                         .mask(kDateMask),
                     text("dop_info", 0, FieldType::WideString),
                     text("num_prikaz", 10, FieldType::WideString),
                     text("ZUR_USER", 20),
                     FieldDef::data(QStringLiteral("ZUR_Update"), FieldType::Date),
                     integer("id_rate"),
                     integer("id_group"),
                     integer("id_faculty"),
                     text("osnovanie", 200),
                     text("dopol", 100),
                     text("FIO", 100),
                     text("Primech", 200),
                     text("p104_1", 10),
                     integer("p104")});
        if (payment) {
            set->addField(integer("id_group_slushatel"));
        } else {
            addAll(set, {FieldDef::data(QStringLiteral("Onul"), FieldType::Boolean),
                         integer("id_payment")});
        }
        addAll(set, {lookup("v_opl", "id_v_opl", ADOT_Update_V_Opl, "p105"),
                     lookup("Year", "id_a_year", ADOT_Update_Year, "p32", 10),
                     lookup("Speciality", "id_speciality", ADOQ_Update_Spec, "p25_2",
                            payment ? 255 : 100),
                     lookup("s_fio", "id_student", ADOQ_Update_s_fio, "s_fio", 100),
                     lookup("Normal_s_fio", "id_student", ADOQ_Update_s_fio, "Normal_s_fio", 60),
                     lookup("Uslugi", "id_uslug", ADOT_Uslugi_2, "uslugi", 50),
                     lookup("Rate", "id_rate", ADOT_Rate, "p22", 15)});
        FieldDef teacher = lookup("Normal_T_Fio", "id_teacher", ADOT_Teacher, "t_fio", 60);
        addAll(set, {teacher, lookup("Group", "id_group", ADOQ_Group, "p20")});
        if (payment) {
            set->addField(lookup("Group_slushatel", "id_group_slushatel", ADOQ_Group_slushatel2,
                                 "name_short"));
        }
    }

    addAll(ADOQ_NewSpeciality,
           {integer("new_speciality"), text("p22", 50),
            FieldDef::data(QStringLiteral("p102"), FieldType::Float).format(kMoney),
            FieldDef::lookup(QStringLiteral("Special"), QStringLiteral("new_speciality"),
                             ADOQ_specForNewSpec, QStringLiteral("id_speciality"),
                             QStringLiteral("p25_2"), 100)});

    addAll(ADOT_Shet,
           {FieldDef::data(QStringLiteral("id_shet"), FieldType::AutoInc), text("shet", 10),
            text("n_shet", 50), text("shet2", 50), text("n_shet2", 50), integer("id_kassa"),
            FieldDef::calculated(QStringLiteral("Normal_Shet"), FieldType::String, 80),
            FieldDef::calculated(QStringLiteral("Normal_Shet2"), FieldType::String, 80)});
    const auto account = [this](const char* name, const char* result, int size) {
        return FieldDef::lookup(QString::fromLatin1(name), QStringLiteral("id_shet"), ADOT_Shet,
                                QStringLiteral("id_shet"), QString::fromLatin1(result), size);
    };
    addAll(ADOT_Uslugi_2,
           {FieldDef::data(QStringLiteral("id_uslug"), FieldType::AutoInc), text("uslugi", 80),
            FieldDef::data(QStringLiteral("proc1"), FieldType::Float).format(kMoney),
            FieldDef::data(QStringLiteral("proc2"), FieldType::Float).format(kMoney),
            integer("id_shet"), FieldDef::data(QStringLiteral("is_visible"), FieldType::Boolean),
            integer("id_kassa"), account("Shet", "Normal_Shet", 80), account("Shet1", "shet", 10),
            account("Shet2", "shet2", 10), account("n_Shet2", "n_shet2", 50),
            account("Shet2__", "Normal_Shet2", 0)});
}

void TDM_Smeta::defineListFields() {
    addAll(ADOT_Update_Year,
           {FieldDef::data(QStringLiteral("id_a_year"), FieldType::AutoInc), text("p32", 10)});
    addAll(ADOT_Teacher, {FieldDef::data(QStringLiteral("id_teacher"), FieldType::AutoInc),
                          text("t_fio", 152).readOnlyField()});
    addAll(ADOT_Update_V_Opl,
           {FieldDef::data(QStringLiteral("id_v_opl"), FieldType::AutoInc), text("p105", 50)});
    addAll(ADOQ_Update_Spec, {integer("id_speciality"), text("p25_2", 379).readOnlyField()});
    addAll(ADOQ_Uslug,
           {text("uslugi", 80), FieldDef::data(QStringLiteral("id_uslug"), FieldType::AutoInc),
            FieldDef::data(QStringLiteral("is_visible"), FieldType::Boolean)});
    addAll(ADOT_Pay_Educ,
           {FieldDef::data(QStringLiteral("id_pay_educ"), FieldType::AutoInc), integer("id_uslug"),
            FieldDef::lookup(QStringLiteral("Usluga"), QStringLiteral("id_uslug"), ADOQ_Uslug,
                             QStringLiteral("id_uslug"), QStringLiteral("uslugi"), 100)});
    for (DataSet* groups : {ADOQ_Group, ADOQ_Group2}) {
        addAll(groups, {integer("id_group"), text("p20", 20)});
    }
    addAll(ADOQ_Group_slushatel2,
           {integer("id_group_slushatel"), text("name_short", 20), text("name_full", 20)});
    addAll(ADOQ_Update_s_fio, {text("s_fio", 179, FieldType::WideString).readOnlyField(),
                               FieldDef::data(QStringLiteral("id_student"), FieldType::AutoInc),
                               text("Normal_s_fio", 60)});
    addAll(ADOQ_Grid1,
           {integer("id_student"), text("s_fio", 77).readOnlyField(), text("Normal_s_Fio", 60)});
    addAll(ADOQ_Grid2,
           {integer("id_student"), text("s_fio", 77).readOnlyField(), text("Normal_s_Fio", 60)});
    for (DataSet* applicants : {ADOQ_Abiturient, ADOQ_ExpensiveAbit}) {
        addAll(applicants, {integer("id_student"), text("ab_fio", 77).readOnlyField()});
    }
    addAll(ADOQ_Abiturient2, {text("abi_fio", 155), integer("id_student")});

    addAll(
        ADOQ_Payment1V,
        {integer("id_student"), integer("id_ZUR_user"), integer("id_a_year"), integer("id_group"),
         integer("id_rate"), integer("id_faculty"), integer("id_speciality"),
         FieldDef::data(QStringLiteral("sum_opl"), FieldType::Float).format(kMoney),
         FieldDef::data(QStringLiteral("p106"), FieldType::Float),
         FieldDef::data(QStringLiteral("ost_sum"), FieldType::Float).format(kMoney),
         text("p20", 46, FieldType::WideString), text("p22", 50), text("p32", 10),
         text("sh_st", 53), text("p25_2", 389),
         FieldDef::data(QStringLiteral("come_date"), FieldType::DateTime).format("dd.mm.yyyy"),
         integer("percent_privilege"), text("privilege_coment", 200, FieldType::WideString),
         FieldDef::data(QStringLiteral("isPrivelag"), FieldType::SmallInt)});
    addAll(ADOQ_Payment2V,
           {integer("id_student"),
            integer("id_ZUR_user"),
            integer("id_payment"),
            FieldDef::data(QStringLiteral("p102"), FieldType::Float).format(kMoney),
            FieldDef::data(QStringLiteral("p103"), FieldType::DateTime).format("dd.mm.yyyy"),
            text("p104", 10),
            text("p105", 15),
            text("p32", 10),
            text("p22", 50),
            text("p25_2", 389),
            text("uslugi", 80),
            FieldDef::data(QStringLiteral("p102NewSpec"), FieldType::Float),
            integer("id_newSpecP102"),
            integer("id_newYear"),
            integer("id_newRate"),
            integer("id_newGroup"),
            FieldDef::data(QStringLiteral("SumP102"), FieldType::Float).format(kMoney),
            FieldDef::lookup(QStringLiteral("Special"), QStringLiteral("id_newSpecP102"),
                             ADOQ_P102NewSpec, QStringLiteral("id_speciality"),
                             QStringLiteral("p25_2"), 100),
            FieldDef::lookup(QStringLiteral("NewYear"), QStringLiteral("id_newYear"), ADOT_a_year2,
                             QStringLiteral("id_a_year"), QStringLiteral("p32")),
            FieldDef::lookup(QStringLiteral("NewRate"), QStringLiteral("id_newRate"), ADOT_Rate,
                             QStringLiteral("id_rate"), QStringLiteral("p22")),
            FieldDef::lookup(QStringLiteral("newGroup"), QStringLiteral("id_newGroup"), ADOQ_Group,
                             QStringLiteral("id_group"), QStringLiteral("p20"))});
    ADOQ_Payment2V->setUpdateTable(QStringLiteral("Payment"), {QStringLiteral("id_payment")});
}

}  // namespace zur::data
