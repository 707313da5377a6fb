#pragma once
// The cashier's desk: the main window with its three pages (tuition payment, other income,
// expense), the tuition page's selection cascade with the applicant and listener sub-pages, the
// payment group shared by all pages and its order numbers.
//
// Steps and errors. Every public step is the handler its name says and may be called directly by
// other windows; a step lets a database error (db::DbError) through, so that a step called from
// another step ends there as well. Every event of the window (a pick, a key, a click) runs its
// step through runGuarded(), which shows the database's text in the dialogs service (caption
// "Ошибка", error icon) and leaves the window usable. Code of other windows that calls a step
// from its own event runs it through runGuarded() too.
//
// Registering a record. AddBtnClick() runs the registration of the page shown through one of
// three members, onRegisterTuition, onRegisterIncome and onRegisterExpense. They are set in
// wireRegistrations() (desk/tform1_add_button.cpp), which the constructor calls: each
// registration adds its one line there, e.g.
//     onRegisterTuition = [this] { TuitionPayment(*this).run(); };
// Tests may replace them. The income and expense page steps declared below are defined in
// desk/income_expense_steps.cpp, which belongs to the income and expense registration.

#include <QDateTime>
#include <QHash>
#include <QMainWindow>
#include <functional>
#include <optional>

class QAction;
class QCheckBox;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QToolButton;

namespace zur::db {
class DataSource;
class DataSet;
}  // namespace zur::db

namespace zur::session {
struct SessionSwitches;
}

namespace zur::ui {
class DBLookupComboBox;
class DBLookupComboboxEh;
class DBLookupListBox;
class DBText;
}  // namespace zur::ui

namespace zur::desk {

// Pages of PageControl1 and PageControl2, by index.
enum Page { kTuitionPage = 0, kIncomePage = 1, kExpensePage = 2 };
enum SubPage { kStudentSubPage = 0, kApplicantSubPage = 1, kListenerSubPage = 2 };

// How the window's creation runs the login; the default shows the login window modally.
// Returns false when the login was cancelled.
using LoginRunner = std::function<bool(class TForm1&)>;

class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr int kWidth = 697;
    static constexpr int kHeight = 720;
    static inline const QString kDesignCaption = QStringLiteral("ZUR 10");

    // Builds the window and runs FormCreate with `login` (empty: the real login window).
    explicit TForm1(LoginRunner login = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // False when the login of the creation was cancelled: the program ends.
    bool loggedIn() const { return loggedIn_; }

    // ---- window state
    int selected_speciality_id = 0;
    std::optional<int> default_year_id;
    bool default_year_computed = false;  // the year list's Tag
    bool return_mode = false;
    int return_payment_id = 0;

    // The server's clock for the default academic year; empty: "SELECT GETDATE()".
    std::function<QDateTime()> serverClock;

    // ---- registrations run by AddBtnClick, by page (see the header comment)
    std::function<void()> onRegisterTuition;
    std::function<void()> onRegisterIncome;
    std::function<void()> onRegisterExpense;

    // ---- top bar
    QToolButton* SpeedButton1;  // order search
    QToolButton* Celi__Btn;     // purposes
    QToolButton* SpeedButton2;  // accounts
    QCheckBox* CheckBox1;       // barcode field on/off
    QLabel* Label20;            // "№ штрих кода:"
    QLineEdit* Edit2;           // barcode field
    QToolButton* SpeedButton3;  // speciality visibility
    QAction* Find_M;            // "Найти..." Ctrl+F, in the hidden menu item Edit1
    QAction* Edit1;

    // ---- pages
    QTabWidget* PageControl1;
    QWidget* TabSheet1;  // "Оплата за обучение"
    QWidget* TabSheet2;  // "Приход"
    QWidget* TabSheet3;  // "Расход"

    // ---- tuition page
    ui::DBLookupComboBox* Faculty_Lookup;
    ui::DBLookupComboBox* Year_Lookup;
    ui::DBLookupComboBox* Uslug_DBLookupComboBox;
    QTabWidget* PageControl2;
    QWidget* TabSheet4;  // "Студент"
    QWidget* TabSheet5;  // "Абитуриент"
    QWidget* TabSheet6;  // "Слушатель"
    ui::DBLookupComboBox* Speciality_Lookup;
    ui::DBLookupComboBox* Rate_ComboBox;
    ui::DBLookupComboBox* Group_ComboBox;
    ui::DBLookupComboboxEh* Student_Lookup;
    ui::DBLookupComboBox* Ab_Speciality_Lookup;
    QCheckBox* CheckBox3;  // recommended applicants only
    ui::DBLookupComboboxEh* Ab_Student_Lookup;
    QPushButton* BitBtn1;                     // "Обновить абитуриентов"
    ui::DBLookupComboBox* DBLookupComboBox3;  // listener group
    ui::DBText* DBText1;                      // its short name
    ui::DBLookupComboBox* DBLookupComboBox2;  // listener
    // name search
    QLabel* StaticText1;
    QLineEdit* LookupFIOEdit;
    QPushButton* LookupBtn;
    QRadioButton* RadioButton1;  // "По фамилии"
    QRadioButton* RadioButton2;  // "По имени"
    QRadioButton* RadioButton3;  // "По ФИО"

    // ---- income page
    ui::DBLookupComboBox* Faculty_2_Lookup;
    ui::DBLookupComboBox* Usluga_Lookup;
    QRadioButton* Student_RBtn;  // tag 1
    ui::DBLookupComboboxEh* Student_2_Lookup;
    QRadioButton* Teacher_RBtn;  // tag 2
    ui::DBLookupComboboxEh* Teacher_Lookup;
    QRadioButton* Dopol_RBtn;  // tag 3
    QLineEdit* Dopol_edit;
    QRadioButton* RadioButton4;  // tag 4
    ui::DBLookupComboboxEh* Slushatel_Lookup;

    // ---- expense page
    ui::DBLookupComboBox* Expense_FacultyComboBox;  // cash desk
    ui::DBLookupComboBox* DBLookupComboBox1;        // year
    QLabel* Label24;                                // "Факультет:"
    ui::DBLookupComboBox* DBLookupComboBox4;        // faculty of the cash desk
    ui::DBLookupComboBox* Expense_CellNaznachenie_ComboBox;
    QRadioButton* Expense_Student_RBtn;  // tag 1
    ui::DBLookupComboboxEh* Expense_StudentComboBox;
    QRadioButton* Expense_Teacher_RBtn;  // tag 2
    ui::DBLookupComboboxEh* Expense_TeacherComboBox;
    QRadioButton* Expense_Dopol_RBtn;  // tag 3
    QLineEdit* Expense_DopolEdit;
    QRadioButton* Expense_Abiturient_RBtn;  // tag 4
    ui::DBLookupComboboxEh* Expense_AbiturientComboBox;
    QRadioButton* Expense_slushatel_RBtn;  // tag 5
    ui::DBLookupComboboxEh* Expense_SlushatelComboBox;

    // ---- payment group
    QGroupBox* GroupBox1;
    ui::DBLookupComboBox* Vid_Oplaty_ComboBox;
    QLineEdit* Oplata_Edit;
    QDateTimeEdit* DateTimePicker;
    QLineEdit* Order_Edit;
    QLineEdit* Order_Edit2;
    QCheckBox* CheckBox4;  // "Авто вставка"
    ui::DBLookupListBox* DBLookupListBox1;
    ui::DBLookupListBox* DBLookupListBox2;
    QPlainTextEdit* Osnovanie_RichEdit;
    QLabel* Label17;  // "Примечание:"
    QPlainTextEdit* Primechanie_RichEdit;
    QPushButton* AddBtn;

    QStatusBar* StatusBar1;

    // ---- creation, activation, closing
    void FormCreate(const LoginRunner& login);
    void FormActivate();
    void FormClose();
    // The login's hooks.
    void setCaptionSuffix(const QString& suffix);
    void applySwitches(const session::SessionSwitches& switches);

    // ---- the tuition cascade
    void reset_payment_group();
    void Faculty_LookupClick();
    void Year_LookupClick();
    void Speciality_LookupClick();
    void Rate_ComboBoxClick();
    void Group_ComboBoxClick();
    void Student_LookupClick();
    void Ab_Student_LookupChange();
    void DBLookupComboBox2Click();
    void Uslug_DBLookupComboBoxClick();
    void Ab_Speciality_LookupClick();
    void CheckBox3Click();
    void BitBtn1Click();
    void DBLookupComboBox3Click();
    void PageControl1Change();
    void PageControl2Change();

    // ---- payment group chain and keys
    void Oplata_EditChange();
    void Order_EditChange();
    void Osnovanie_RichEditChange();
    // The amount key filter: the character to insert for `typed` into `text` with the caret
    // at `caret`, or nullopt when the key is refused. Backspace is "\b".
    static std::optional<QChar> amountKey(const QString& text, int caret, QChar typed);

    // ---- order numbers
    void Vid_Oplaty_ComboBoxClick();
    void draw_order_number();
    void CheckBox4Click();
    // The highest order number the statement returns, plus 1; 1 when it returns none.
    int next_number(const QString& statement);
    // The date argument of the numbering procedures: the picker's date as "dd.MM.yyyy".
    QString orderDate() const;

    // ---- registration
    void AddBtnClick();

    // ---- income and expense page steps (desk/income_expense_steps.cpp)
    void Faculty_2_LookupClick();
    void Usluga_LookupClick();
    void Student_RBtnClick(int tag);
    void Student_2_LookupChange();
    void Dopol_editChange();
    void Expense_FacultyComboBoxClick();
    void DBLookupComboBox1Click();
    void Expense_CellNaznachenie_ComboBoxClick();
    void Expense_Student_RBtnClick(int tag);
    void Expense_RecipientChange();
    void Expense_DopolEditChange();

    // ---- helpers shared by the steps
    // Runs `step`; a database error is shown (caption "Ошибка", error icon) and swallowed.
    void runGuarded(const std::function<void()>& step);
    // Puts the payment kind at which the kind list stands into Vid_Oplaty_ComboBox.
    void proposePaymentKind();
    // A payer list of the income or expense page has a value or not: the payment kind opens
    // with its proposal, or stays closed.
    void payerChosen(bool chosen);
    // The server's calendar date: serverClock when set, else "SELECT GETDATE()".
    QDate serverDate();
    // The faculty key of Faculty_Lookup as a number.
    int facultyId() const;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // desk/tform1_layout.cpp
    void createControls();
    QWidget* createTopBar();
    void createTuitionPage();
    void createStudentSubPages();
    void createIncomePage();
    void createExpensePage();
    void createPaymentGroup();
    void bindLists();
    // desk/tform1_events.cpp
    void connectCascade();
    void connectPaymentGroup();
    void connectOtherPages();
    void installKeyFilters();
    // desk/tform1_keys.cpp
    bool handleKey(QObject* watched, QKeyEvent* key);
    bool moveOnEnter(QObject* watched, Qt::KeyboardModifiers modifiers);
    // desk/tform1_activation.cpp
    void watchOtherWindows();
    void noteOtherWindowActivated(QObject* watched);
    // desk/tform1_add_button.cpp
    void wireRegistrations();
    // desk/tform1_cascade.cpp
    int computeDefaultYear();
    void proposeDefaultPurpose();
    // desk/tform1_pages.cpp
    void updateAddButtonForPage();

    db::DataSource* source(db::DataSet* dataSet);

    QHash<db::DataSet*, db::DataSource*> sources_;
    bool loggedIn_ = false;
    bool activatedOnce_ = false;
    bool otherWindowCounts_ = false;  // the last other window active was not modal
};

}  // namespace zur::desk
