#include "data/dm_smeta.h"

namespace zur::data {

using db::DataSet;
using db::DataSource;

TDM_Smeta* DM_Smeta = nullptr;

namespace {

// The statement of `ADOQ_specForNewSpec`, with the column it reads the speciality from.
QString specialitiesOfStudent(const QString& column) {
    return QStringLiteral(
               "SELECT DISTINCT T.* FROM ( SELECT Payment.%1 AS id_speciality, "
               "dbo.specialityRR.p25_2 FROM Payment INNER JOIN specialityRR ON Payment.%1 = "
               "specialityRR.id_speciality Where id_student=:id_student UNION SELECT DISTINCT "
               "dbo.specialityRR.id_speciality, dbo.specialityRR.p25_2 FROM dbo.specialityRR "
               "INNER JOIN dbo.KasFak ON dbo.specialityRR.id_faculty = dbo.KasFak.id_faculty "
               "INNER JOIN dbo.ZUR_User ON dbo.KasFak.id_kassa = dbo.ZUR_User.id_kassa WHERE "
               "dbo.ZUR_User.id_ZUR_user =:id_login ) AS T ORDER BY T.p25_2")
        .arg(column);
}

// The display name of a student with the birth date, as the person lists build it.
const char* kBirthDate =
    "CASE WHEN dbo.Student.BirthDate IS NULL THEN '' ELSE CAST(DATEPART(day, "
    "dbo.Student.BirthDate) AS VARCHAR(2)) + '.' + CAST(DATEPART(month, dbo.Student.BirthDate) "
    "AS VARCHAR(2)) + '.' + CAST(DATEPART(year, dbo.Student.BirthDate) AS VARCHAR(4)) END";

}  // namespace

TDM_Smeta::TDM_Smeta(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("DM_Smeta"));
    createLists();
    createCardLists();
    defineRecordFields();
    defineListFields();
    attachRules();
    DM_Smeta = this;
}

TDM_Smeta::~TDM_Smeta() {
    if (DM_Smeta == this) {
        DM_Smeta = nullptr;
    }
    // The data sets refer to the connection: close them before it goes.
    for (DataSet* set : findChildren<DataSet*>()) {
        set->close();
    }
}

DataSet* TDM_Smeta::make(const char* name, const QStringList& sql) {
    auto* set = new DataSet(&ADOCon, this);
    set->setObjectName(QString::fromLatin1(name));
    set->setSql(sql);
    return set;
}

DataSource* TDM_Smeta::source(const char* name, DataSet* dataSet) {
    auto* result = new DataSource(dataSet, this);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

DataSet* TDM_Smeta::dataSet(const QString& name) const {
    return findChild<DataSet*>(name, Qt::FindDirectChildrenOnly);
}

DataSource* TDM_Smeta::dataSource(const QString& name) const {
    return findChild<DataSource*>(name, Qt::FindDirectChildrenOnly);
}

void TDM_Smeta::createLists() {
    ADOQ_Payment = make("ADOQ_Payment", {"SELECT TOP(0) Payment.* FROM Payment"});
    ADOQ_Expense = make("ADOQ_Expense", {"Select TOP(0) Expense.* From Expense"});
    ADOQ_PayTransfer = make("ADOQ_PayTransfer");
    ADOQ_NewSpeciality =
        make("ADOQ_NewSpeciality",
             {"SELECT new_speciality, rate.p22, Payment.p102 FROM Payment INNER JOIN rate on "
              "Payment.id_rate = rate.id_rate Where id_payment=:id_payment"});
    ADOQ_NewSpeciality->setUpdateTable(QStringLiteral("Payment"), {QStringLiteral("id_payment")});
    ADOT_Shet = make("ADOT_Shet");
    ADOT_Uslugi_2 = make("ADOT_Uslugi_2");
    ADOQ_SpecialVisible = make(
        "ADOQ_SpecialVisible",
        {"SELECT dbo.com_sfe.id_speciality, dbo.special.[p25-2] + '(' + dbo.f_educ.p108 + ')' + "
         "'(' + dbo.faculty.[p23-1] + ')' AS p25_2, dbo.com_sfe.visible FROM dbo.com_sfe INNER "
         "JOIN dbo.f_educ ON dbo.com_sfe.id_f_educ = dbo.f_educ.id_f_educ INNER JOIN "
         "dbo.special ON dbo.com_sfe.id_special = dbo.special.id_special INNER JOIN dbo.faculty "
         "ON dbo.com_sfe.id_faculty = dbo.faculty.id_faculty WHERE dbo.com_sfe.id_faculty "
         "=:id_faculty ORDER BY special.[p25-2]"});
    ADOQ_SpecialVisible->setUpdateTable(
        QStringLiteral("com_sfe"), {QStringLiteral("id_speciality"), QStringLiteral("id_faculty")});

    ADOT_a_year = make("ADOT_a_year");
    ADOT_a_year2 = make("ADOT_a_year2");
    ADOT_Update_Year = make("ADOT_Update_Year");
    for (DataSet* years : {ADOT_a_year, ADOT_a_year2, ADOT_Update_Year}) {
        years->setTableName(QStringLiteral("a_year"));
        years->setSort(QStringLiteral("p32"));
    }
    ADOT_Rate = make("ADOT_Rate");
    ADOT_Rate->setTableName(QStringLiteral("rate"));
    ADOT_Rate->setSort(QStringLiteral("p22"));
    ADOT_Teacher = make("ADOT_Teacher");
    ADOT_Teacher->setTableName(QStringLiteral("t_fio"));
    ADOT_V_Opl =
        make("ADOT_V_Opl", {"SELECT     TOP (100) PERCENT id_v_opl, p105, visible FROM         "
                            "dbo.v_opl WHERE     (visible = 1) ORDER BY id_v_opl"});
    ADOT_Update_V_Opl = make("ADOT_Update_V_Opl");
    ADOT_Update_V_Opl->setTableName(QStringLiteral("v_opl"));
    ADOQ_Faculty = make("ADOQ_Faculty", {"select top(0) speciality.* from speciality"});
    ADOQ_kassa = make("ADOQ_kassa",
                      {"SELECT     dbo.Kassa.name, dbo.ZUR_User.id_ZUR_user, dbo.Kassa.id_kassa "
                       "FROM         dbo.Kassa INNER JOIN dbo.ZUR_User ON dbo.Kassa.id_kassa = "
                       "dbo.ZUR_User.id_kassa WHERE     (dbo.ZUR_User.id_ZUR_user = "
                       ":id_ZUR_user);"});
    ADOQ_Speciality = make("ADOQ_Speciality", {"select top(0) specialityRR.* from specialityRR"});
    ADOQ_Update_Spec = make("ADOQ_Update_Spec");
    ADOQ_Uslug = make("ADOQ_Uslug",
                      {"SELECT id_uslug, ('(' + CAST(id_uslug AS NVARCHAR(10)) + ') ' + uslugi) "
                       "AS [uslugi], is_visible FROM uslugi ORDER BY uslugi.uslugi"});
    ADOQ_Uslug->setFilter(QStringLiteral("is_visible = 1"));
    ADOQ_Uslug->setFiltered(true);
    ADOT_Pay_Educ = make("ADOT_Pay_Educ");
    ADOT_Pay_Educ->setTableName(QStringLiteral("pay_educ"));
    ADOQ_Group = make("ADOQ_Group", {"SELECT * FROM [ZUR].[dbo].[group] ORDER BY p20"});
    ADOQ_Group2 = make("ADOQ_Group2", {"SELECT * FROM [ZUR].[dbo].[group] ORDER BY p20"});
    ADOQ_group_slushatel =
        make("ADOQ_group_slushatel", {"Select * FROM [ZUR].[dbo].[group_slushatel]"});
    ADOQ_Group_slushatel2 =
        make("ADOQ_Group_slushatel2", {"Select * FROM [ZUR].[dbo].[group_slushatel]"});
    ADOQ_Update_s_fio = make(
        "ADOQ_Update_s_fio",
        {"SELECT     TOP (100) PERCENT dbo.s_fio.s_fio as Normal_s_fio, dbo.s_fio.s_fio + ' (' "
         "+ CASE WHEN dbo.Student.BirthDate IS NULL THEN '' ELSE CAST(DATEPART(day, "
         "dbo.Student.BirthDate)AS VARCHAR(2))+'.'+ CAST(DATEPART(month, dbo.Student.BirthDate) "
         "AS VARCHAR(2))+'.'+ CAST(DATEPART(year, dbo.Student.BirthDate) AS VARCHAR(4)) END + "
         "')' AS s_fio, dbo.s_fio.id_student FROM         dbo.Student INNER JOIN dbo.s_fio ON "
         "dbo.Student.id_student = dbo.s_fio.id_student ORDER BY dbo.s_fio.s_fio"});

    const QString idid =
        QStringLiteral(
            "dbo.s_fio.s_fio + CASE WHEN dbo.s_fio.idid IS NULL THEN '' ELSE ' - [ ' + "
            "dbo.s_fio.idid + ' ]' END + ' (' + %1 + ')'")
            .arg(QLatin1String(kBirthDate));
    ADOQ_Grid1 = make(
        "ADOQ_Grid1",
        {QStringLiteral(
             "SELECT dbo.s_fio.s_fio AS Normal_s_fio, %1 AS s_fio, dbo.s_fio.id_student FROM "
             "dbo.Student INNER JOIN dbo.s_fio ON dbo.Student.id_student = dbo.s_fio.id_student "
             "INNER JOIN dbo.movement_t ON dbo.Student.id_student = dbo.movement_t.id_student "
             "WHERE dbo.movement_t.id_rate =:id_rate and dbo.movement_t.id_group =:id_group "
             "GROUP BY dbo.s_fio.s_fio, %1, dbo.s_fio.id_student ORDER BY s_fio.s_fio")
             .arg(idid)});
    ADOQ_Grid2 = make(
        "ADOQ_Grid2",
        {QStringLiteral("SELECT DISTINCT TOP (100) PERCENT dbo.s_fio.s_fio AS Normal_s_fio, "
                        "dbo.s_fio.s_fio + ' (' + %1 + ')' AS s_fio, dbo.s_fio.id_student FROM  "
                        "       dbo.Student INNER JOIN dbo.s_fio ON dbo.Student.id_student = "
                        "dbo.s_fio.id_student ORDER BY s_fio")
             .arg(QLatin1String(kBirthDate))});
    ADOQ_Abiturient =
        make("ADOQ_Abiturient", {"SELECT TOP(0) Abiturient_Info.* FROM Abiturient_Info"});
    ADOQ_ExpensiveAbit =
        make("ADOQ_ExpensiveAbit", {"SELECT TOP(0) Abiturient_Info.* FROM Abiturient_Info"});
    ADOQ_Abiturient2 = make(
        "ADOQ_Abiturient2",
        {"SELECT     TOP (100) PERCENT id_student, CASE WHEN p1 IS NULL THEN '' ELSE p1 END + "
         "N' ' + CASE WHEN p2 IS NULL THEN '' ELSE p2 END + N' ' + CASE WHEN p3 IS NULL THEN '' "
         "ELSE p3 END + N'-' + CASE WHEN idid IS NULL THEN '' ELSE idid END AS abi_fio FROM     "
         "    dbo.Abiturient ORDER BY abi_fio"});
    ADOQ_slushatel2 =
        make("ADOQ_slushatel2",
             {"SELECT    distinct TOP (100) PERCENT dbo.s_fio.s_fio + ' [' + "
              "dbo.group_slushatel.name_short + ']' AS s_fio, dbo.s_fio.id_student, "
              "dbo.group_slushatel.name_short,dbo.group_slushatel.id_group_slushatel FROM         "
              "dbo.movement_slushatel INNER JOIN dbo.s_fio ON dbo.s_fio.id_student = "
              "dbo.movement_slushatel.id_student INNER JOIN dbo.group_slushatel ON "
              "dbo.movement_slushatel.id_group_slushatel = dbo.group_slushatel.id_group_slushatel "
              "ORDER BY dbo.s_fio.s_fio + ' [' + dbo.group_slushatel.name_short + ']'"});
    ADOQ_slushatel = make("ADOQ_slushatel");

    ADOQ_Exec = make("ADOQ_Exec");
    ADOQ_temp = make("ADOQ_temp");
    ADOQ_Order1 = make("ADOQ_Order1");
    ADOQ_Order2 = make("ADOQ_Order2");
    ADOQ_Groups = make("ADOQ_Groups");
    ADOQ_RSopl = make("ADOQ_RSopl");
    ADOQ_facExpence = make("ADOQ_facExpence");
    ADOQ_uslug_tx = make("ADOQ_uslug_tx");

    DS_Payment = source("DS_Payment", ADOQ_Payment);
    DS_Expense = source("DS_Expense", ADOQ_Expense);
    DS_faculty = source("DS_faculty", ADOQ_Faculty);
    DS_Spec = source("DS_Spec", ADOQ_Speciality);
    DS_kassa = source("DS_kassa", ADOQ_kassa);
    DS_V_Opl = source("DS_V_Opl", ADOT_V_Opl);
    DS_PaymentOrder = source("DS_PaymentOrder", ADOQ_Order1);
    DS_expanceOrder = source("DS_expanceOrder", ADOQ_Order2);
    DS_adot_a_year2 = source("DS_adot_a_year2", ADOT_a_year2);
    DS_group = source("DS_group", ADOQ_Group);
}

void TDM_Smeta::createCardLists() {
    ADOQ_Lookup = make("ADOQ_Lookup");
    ADOQ_Payment1V =
        make("ADOQ_Payment1V", {"SELECT * FROM Payment1V WHERE id_student=:@id_student AND "
                                "id_ZUR_user=:@id_ZUR_user ORDER BY id_rate"});
    ADOQ_Payment2V =
        make("ADOQ_Payment2V",
             {"SELECT zur.dbo.Payment2V.*, SumP102 FROM zur.dbo.Payment2V     left outer join (   "
              "SELECT id_payment ,SUM(p102NewSpec)as SumP102 FROM ZUR.dbo.PaymentTransfer Group by "
              "id_payment   ) as PayTransf on PayTransf.id_payment=Payment2V.id_payment WHERE "
              "id_student=:@id_student AND id_ZUR_user=:@id_ZUR_user"});
    ADOQ_Payment3V =
        make("ADOQ_Payment3V", {"SELECT * FROM Payment3V WHERE id_student=:@id_student"});
    ADOQ_V_PaymentTransferVirtual = make("ADOQ_V_PaymentTransferVirtual");
    ADOQ_movement_t = make(
        "ADOQ_movement_t",
        {"SELECT movement_t.id_protocols, movement_t.percent_privilege, "
         "movement_t.privilege_coment, movement_t.priv_var, movement_t.id_rate, rate.p22, "
         "movement_t.id_group, [group].p20 FROM movement_t INNER JOIN rate on movement_t.id_rate "
         "= rate.id_rate INNER JOIN [group] ON movement_t.id_group = [group].id_group WHERE "
         "movement_t.id_student =:id_student AND movement_t.id_group=:id_group ORDER BY   "
         "rate.p22"});
    ADOQ_movement_t->setUpdateTable(
        QStringLiteral("movement_t"),
        {QStringLiteral("id_student"), QStringLiteral("id_group"), QStringLiteral("id_rate")});
    ADOQ_movemntGroup = make(
        "ADOQ_movemntGroup",
        {"SELECT DISTINCT movement_t.id_group, [group].p20 FROM movement_t INNER JOIN [group] ON "
         "movement_t.id_group = [group].id_group WHERE movement_t.id_student =:id_student ORDER "
         "BY [group].p20"});
    ADOQ_specForNewSpec =
        make("ADOQ_specForNewSpec", {specialitiesOfStudent(QStringLiteral("new_speciality"))});
    ADOQ_P102NewSpec =
        make("ADOQ_P102NewSpec", {specialitiesOfStudent(QStringLiteral("id_newSpecP102"))});

    ADOQ_FacultyF24 =
        make("ADOQ_FacultyF24", {"SELECT id_faculty,[p23-1] FROM [ZUR].[dbo].[faculty] Order by "
                                 "[p23-1]"});
    ADOQ_RateF24 = make("ADOQ_RateF24", {"SELECT id_rate,p22 FROM [ZUR].[dbo].[rate]"});
    ADOQ_YearF24 =
        make("ADOQ_YearF24", {"SELECT [id_a_year],[p32] FROM [ZUR].[dbo].[a_year] where u_god > "
                              "YEAR(GETDATE())-6 and u_god < YEAR(GETDATE())+6"});
    ADOQ_GroupF24 = make("ADOQ_GroupF24");
    ADOQ_studentF24 = make("ADOQ_studentF24");

    DS_lookup = source("DS_lookup", ADOQ_Lookup);
    DS_p102NewSpec = source("DS_p102NewSpec", ADOQ_P102NewSpec);
}

}  // namespace zur::data
