#pragma once
// The data module: the program's one connection, every shared data set with its data source,
// and the rules that run when payment and expense records are edited.

#include "platform/db/connection.h"
#include "platform/db/dataset/dataset.h"

#include <QObject>
#include <QStringList>

namespace zur::data {

class SearchWindowLink;

class TDM_Smeta : public QObject {
    Q_OBJECT
  public:
    explicit TDM_Smeta(QObject* parent = nullptr);
    ~TDM_Smeta() override;

    // The order search window while it exists (not owned); nullptr when it is closed.
    void setSearchWindow(SearchWindowLink* window) { searchWindow_ = window; }
    SearchWindowLink* searchWindow() const { return searchWindow_; }

    db::Connection ADOCon;

    // Record sets that windows edit.
    db::DataSet* ADOQ_Payment;
    db::DataSet* ADOQ_Expense;
    db::DataSet* ADOQ_PayTransfer;
    db::DataSet* ADOQ_NewSpeciality;
    db::DataSet* ADOT_Shet;
    db::DataSet* ADOT_Uslugi_2;
    db::DataSet* ADOQ_SpecialVisible;

    // Reference lists.
    db::DataSet* ADOT_a_year;
    db::DataSet* ADOT_a_year2;
    db::DataSet* ADOT_Update_Year;
    db::DataSet* ADOT_Rate;
    db::DataSet* ADOT_Teacher;
    db::DataSet* ADOT_V_Opl;
    db::DataSet* ADOT_Update_V_Opl;
    db::DataSet* ADOQ_Faculty;
    db::DataSet* ADOQ_kassa;
    db::DataSet* ADOQ_Speciality;
    db::DataSet* ADOQ_Update_Spec;
    db::DataSet* ADOQ_Uslug;
    db::DataSet* ADOT_Pay_Educ;
    db::DataSet* ADOQ_Group;
    db::DataSet* ADOQ_Group2;
    db::DataSet* ADOQ_group_slushatel;
    db::DataSet* ADOQ_Group_slushatel2;
    db::DataSet* ADOQ_Update_s_fio;

    // Person lists.
    db::DataSet* ADOQ_Grid1;
    db::DataSet* ADOQ_Grid2;
    db::DataSet* ADOQ_Abiturient;
    db::DataSet* ADOQ_ExpensiveAbit;
    db::DataSet* ADOQ_Abiturient2;
    db::DataSet* ADOQ_slushatel2;
    db::DataSet* ADOQ_slushatel;

    // Student card and transfers.
    db::DataSet* ADOQ_Lookup;
    db::DataSet* ADOQ_Payment1V;
    db::DataSet* ADOQ_Payment2V;
    db::DataSet* ADOQ_Payment3V;
    db::DataSet* ADOQ_V_PaymentTransferVirtual;
    db::DataSet* ADOQ_movement_t;
    db::DataSet* ADOQ_movemntGroup;
    db::DataSet* ADOQ_specForNewSpec;
    db::DataSet* ADOQ_P102NewSpec;

    // Group special payments.
    db::DataSet* ADOQ_FacultyF24;
    db::DataSet* ADOQ_RateF24;
    db::DataSet* ADOQ_YearF24;
    db::DataSet* ADOQ_GroupF24;
    db::DataSet* ADOQ_studentF24;

    // General-purpose queries.
    db::DataSet* ADOQ_Exec;
    db::DataSet* ADOQ_temp;
    db::DataSet* ADOQ_Order1;
    db::DataSet* ADOQ_Order2;
    db::DataSet* ADOQ_Groups;
    db::DataSet* ADOQ_RSopl;
    db::DataSet* ADOQ_facExpence;
    db::DataSet* ADOQ_uslug_tx;

    // Data sources of the bound controls.
    db::DataSource* DS_Payment;
    db::DataSource* DS_Expense;
    db::DataSource* DS_faculty;
    db::DataSource* DS_Spec;
    db::DataSource* DS_kassa;
    db::DataSource* DS_V_Opl;
    db::DataSource* DS_lookup;
    db::DataSource* DS_PaymentOrder;
    db::DataSource* DS_expanceOrder;
    db::DataSource* DS_adot_a_year2;
    db::DataSource* DS_p102NewSpec;
    db::DataSource* DS_group;

    // Filled and read by the student card.
    QStringList left_groups;

    // The data set or data source of that name; nullptr when there is none.
    db::DataSet* dataSet(const QString& name) const;
    db::DataSource* dataSource(const QString& name) const;

  private:
    db::DataSet* make(const char* name, const QStringList& sql = {});
    db::DataSource* source(const char* name, db::DataSet* dataSet);
    void createLists();
    void createCardLists();
    void defineRecordFields();
    void defineListFields();
    void attachRules();

    // The record rules.
    void paymentBeforePost();
    void expenseBeforePost();
    void paymentBeforeEdit();
    void setApplyEnabled(bool enabled);
    void stampRecord(db::DataSet& record);
    bool userCanTerminal();

    SearchWindowLink* searchWindow_ = nullptr;
};

// The module of the run, created at start before the main window.
extern TDM_Smeta* DM_Smeta;

}  // namespace zur::data
