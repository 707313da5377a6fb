// The applicant and listener sub-pages of the tuition page.

#include "data/dm_smeta.h"
#include "desk/tform1.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/db_lookup_combobox_eh.h"
#include "platform/ui/db_text.h"

#include <QCheckBox>

namespace zur::desk {

void TForm1::Ab_Speciality_LookupClick() {
    if (!Ab_Speciality_Lookup->hasValue()) {
        return;
    }
    db::DataSet& applicants = *data::DM_Smeta->ADOQ_Abiturient;
    applicants.setSql(
        QStringLiteral("SELECT id_student,  ab_fio + CASE WHEN idid IS NULL THEN '' ELSE ' - [ ' + "
                       "idid + ' ]' END AS [ab_fio] FROM Ab_fio, ReceptInfo WHERE "
                       "Ab_fio.id_student = ReceptInfo.IDStudent and ReceptInfo.Speciality = ") +
        QString::number(Ab_Speciality_Lookup->keyValue().toInt()) +
        QStringLiteral(" AND ReceptInfo.Faculties  = ") + QString::number(facultyId()) +
        QStringLiteral(" AND Ab_fio.del = 0") +
        (CheckBox3->isChecked() ? QStringLiteral(" AND ReceptInfo.Recom_for_reccept = 1 ")
                                : QString()) +
        QStringLiteral(
            " AND ((ReceptInfo.Takebackdocs IS NULL) OR(ReceptInfo.Takebackdocs = 0)) ") +
        QStringLiteral(" ORDER BY ab_fio.ab_fio"));
    applicants.open();
    Ab_Student_Lookup->clear();
    Ab_Student_Lookup->setEnabled(!applicants.isEmpty());
}

void TForm1::CheckBox3Click() {
    Ab_Speciality_LookupClick();
}

void TForm1::BitBtn1Click() {
    if (!Ab_Speciality_Lookup->hasValue()) {
        return;
    }
    db::DataSet& applicants = *data::DM_Smeta->ADOQ_Abiturient;
    applicants.close();
    applicants.open();
}

void TForm1::DBLookupComboBox3Click() {
    if (!DBLookupComboBox3->hasValue()) {
        DBText1->setVisible(false);
        return;
    }
    DBText1->setVisible(true);
    DBLookupComboBox2->setEnabled(true);
    DBLookupComboBox2->clear();
    db::DataSet& listeners = *data::DM_Smeta->ADOQ_slushatel;
    listeners.close();
    listeners.setSql(
        QStringLiteral(" SELECT s_fio,s_fio.id_student  FROM [ZUR].[dbo].[movement_slushatel] "
                       "inner join s_fio  ON s_fio.id_student=movement_slushatel.id_student  WHERE "
                       "id_group_slushatel=") +
        QString::number(DBLookupComboBox3->keyValue().toInt()) + QStringLiteral(" Order by s_fio"));
    listeners.open();
}

}  // namespace zur::desk
