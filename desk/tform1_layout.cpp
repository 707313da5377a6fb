// The window's controls and their places.

#include "data/dm_smeta.h"
#include "desk/tform1.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/db_lookup_combobox_eh.h"
#include "platform/ui/db_lookup_list_box.h"
#include "platform/ui/db_text.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zur::desk {

namespace {

const char* kIncomeColour = "rgb(192, 220, 192)";   // money green
const char* kExpenseColour = "rgb(252, 210, 160)";  // the expense page

// The tabs of the pages: buttons 221 pixels wide, bold; the selected one silver and underlined,
// the unselected expense tab in the expense colour.
const char* kTabStyle =
    "QTabBar::tab { width: 215px; font-weight: bold; font-size: 8pt; padding: 4px; "
    "background: palette(button); }"
    "QTabBar::tab:selected { background: rgb(192, 192, 192); text-decoration: underline; }"
    "QTabBar::tab:last:!selected { background: rgb(252, 210, 160); }";

template <typename Lookup>
Lookup* makeLookup(QWidget* parent, int rows) {
    auto* box = new Lookup(parent);
    box->setDropDownRows(rows);
    return box;
}

QToolButton* flatButton(QWidget* parent, const QString& caption) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    return button;
}

QLineEdit* lineEdit(QWidget* parent, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength);
    return edit;
}

void colourPage(QWidget* page, const char* colour) {
    page->setStyleSheet(QStringLiteral("QComboBox, QLineEdit { background: %1; }").arg(colour));
}

}  // namespace

void TForm1::createControls() {
    setWindowTitle(kDesignCaption);
    setFixedSize(kWidth, kHeight);

    Edit1 = menuBar()->addMenu(QStringLiteral("Поиск"))->menuAction();
    Find_M = new QAction(QStringLiteral("Найти..."), this);
    Find_M->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    Edit1->menu()->addAction(Find_M);
    Edit1->setVisible(false);
    Edit1->setEnabled(false);
    menuBar()->hide();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->addWidget(createTopBar());

    PageControl1 = new QTabWidget(central);
    PageControl1->tabBar()->setStyleSheet(QString::fromLatin1(kTabStyle));
    TabSheet1 = new QWidget;
    TabSheet2 = new QWidget;
    TabSheet3 = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("Оплата за обучение"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Приход"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Расход"));
    column->addWidget(PageControl1);
    createTuitionPage();
    createIncomePage();
    createExpensePage();
    createPaymentGroup();
    column->addWidget(GroupBox1);
    setCentralWidget(central);

    StatusBar1 = new QStatusBar(this);
    setStatusBar(StatusBar1);
    bindLists();
}

QWidget* TForm1::createTopBar() {
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    SpeedButton1 = flatButton(bar, QString());
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    SpeedButton1->setToolTip(QStringLiteral("Поиск"));
    Celi__Btn = flatButton(bar, QStringLiteral("Цели"));
    SpeedButton2 = flatButton(bar, QStringLiteral("Счета"));
    CheckBox1 = new QCheckBox(bar);
    Label20 = new QLabel(QStringLiteral("№ штрих кода:"), bar);
    Label20->setStyleSheet(QStringLiteral("font-weight: bold;"));
    Label20->setCursor(Qt::PointingHandCursor);
    Edit2 = new QLineEdit(bar);
    Edit2->setEnabled(false);
    SpeedButton3 = flatButton(bar, QStringLiteral("Видимость специальностей"));
    for (QWidget* control : {static_cast<QWidget*>(SpeedButton1), static_cast<QWidget*>(Celi__Btn),
                             static_cast<QWidget*>(SpeedButton2), static_cast<QWidget*>(CheckBox1),
                             static_cast<QWidget*>(Label20), static_cast<QWidget*>(Edit2),
                             static_cast<QWidget*>(SpeedButton3)}) {
        row->addWidget(control);
    }
    return bar;
}

void TForm1::createTuitionPage() {
    auto* form = new QFormLayout(TabSheet1);
    Faculty_Lookup = makeLookup<ui::DBLookupComboBox>(TabSheet1, 14);
    Faculty_Lookup->setDropDownWidth(650);
    Year_Lookup = makeLookup<ui::DBLookupComboBox>(TabSheet1, 14);
    Uslug_DBLookupComboBox = makeLookup<ui::DBLookupComboBox>(TabSheet1, 16);
    form->addRow(QStringLiteral("Факультет или структурное подразделение:"), Faculty_Lookup);
    form->addRow(QStringLiteral("Учебный год:"), Year_Lookup);
    form->addRow(QStringLiteral("Целевое назначение:"), Uslug_DBLookupComboBox);

    PageControl2 = new QTabWidget(TabSheet1);
    PageControl2->setDocumentMode(true);
    createStudentSubPages();
    form->addRow(PageControl2);

    auto* search = new QHBoxLayout;
    StaticText1 = new QLabel(QStringLiteral("Поиск по ФИО:"), TabSheet1);
    StaticText1->setStyleSheet(
        QStringLiteral("color: navy; font-weight: bold; text-decoration: underline;"));
    LookupFIOEdit = new QLineEdit(TabSheet1);
    LookupFIOEdit->setFocusPolicy(Qt::ClickFocus);
    LookupBtn = new QPushButton(QStringLiteral("Найти"), TabSheet1);
    LookupBtn->setFocusPolicy(Qt::ClickFocus);
    RadioButton1 = new QRadioButton(QStringLiteral("По фамилии"), TabSheet1);
    RadioButton2 = new QRadioButton(QStringLiteral("По имени"), TabSheet1);
    RadioButton3 = new QRadioButton(QStringLiteral("По ФИО"), TabSheet1);
    RadioButton1->setChecked(true);
    for (QWidget* control :
         {static_cast<QWidget*>(StaticText1), static_cast<QWidget*>(LookupFIOEdit),
          static_cast<QWidget*>(LookupBtn), static_cast<QWidget*>(RadioButton1),
          static_cast<QWidget*>(RadioButton2), static_cast<QWidget*>(RadioButton3)}) {
        search->addWidget(control);
    }
    form->addRow(search);
}

void TForm1::createStudentSubPages() {
    TabSheet4 = new QWidget;
    TabSheet5 = new QWidget;
    TabSheet6 = new QWidget;
    PageControl2->addTab(TabSheet4, QStringLiteral("Студент"));
    PageControl2->addTab(TabSheet5, QStringLiteral("Абитуриент"));
    PageControl2->addTab(TabSheet6, QStringLiteral("Слушатель"));

    auto* students = new QFormLayout(TabSheet4);
    Speciality_Lookup = makeLookup<ui::DBLookupComboBox>(TabSheet4, 24);
    Speciality_Lookup->setDropDownWidth(1000);
    Rate_ComboBox = makeLookup<ui::DBLookupComboBox>(TabSheet4, 16);
    Group_ComboBox = makeLookup<ui::DBLookupComboBox>(TabSheet4, 16);
    Student_Lookup = makeLookup<ui::DBLookupComboboxEh>(TabSheet4, 16);
    students->addRow(QStringLiteral("Специальность и спецализация:"), Speciality_Lookup);
    students->addRow(QStringLiteral("Курс:"), Rate_ComboBox);
    students->addRow(QStringLiteral("Группа:"), Group_ComboBox);
    students->addRow(QStringLiteral("Студент:"), Student_Lookup);

    auto* applicants = new QFormLayout(TabSheet5);
    Ab_Speciality_Lookup = makeLookup<ui::DBLookupComboBox>(TabSheet5, 24);
    Ab_Speciality_Lookup->setDropDownWidth(1000);
    CheckBox3 = new QCheckBox(QStringLiteral("(показать толко рекомендованных)"), TabSheet5);
    Ab_Student_Lookup = makeLookup<ui::DBLookupComboboxEh>(TabSheet5, 16);
    BitBtn1 = new QPushButton(QStringLiteral("Обновить абитуриентов"), TabSheet5);
    BitBtn1->setVisible(false);
    applicants->addRow(QStringLiteral("Специальность и спецализация:"), Ab_Speciality_Lookup);
    applicants->addRow(CheckBox3);
    applicants->addRow(QStringLiteral("Абитуриент:"), Ab_Student_Lookup);
    applicants->addRow(BitBtn1);

    auto* listeners = new QFormLayout(TabSheet6);
    DBLookupComboBox3 = makeLookup<ui::DBLookupComboBox>(TabSheet6, 16);
    DBText1 = new ui::DBText(TabSheet6);
    DBText1->setVisible(false);
    DBLookupComboBox2 = makeLookup<ui::DBLookupComboBox>(TabSheet6, 16);
    auto* group = new QHBoxLayout;
    group->addWidget(DBLookupComboBox3, 1);
    group->addWidget(DBText1);
    listeners->addRow(QStringLiteral("Группа:"), group);
    listeners->addRow(QStringLiteral("Слушатель:"), DBLookupComboBox2);

    for (QWidget* list :
         {static_cast<QWidget*>(Year_Lookup), static_cast<QWidget*>(Uslug_DBLookupComboBox),
          static_cast<QWidget*>(Speciality_Lookup), static_cast<QWidget*>(Rate_ComboBox),
          static_cast<QWidget*>(Group_ComboBox), static_cast<QWidget*>(Student_Lookup),
          static_cast<QWidget*>(Ab_Speciality_Lookup), static_cast<QWidget*>(Ab_Student_Lookup),
          static_cast<QWidget*>(DBLookupComboBox3), static_cast<QWidget*>(DBLookupComboBox2)}) {
        list->setEnabled(false);
    }
}

void TForm1::createIncomePage() {
    colourPage(TabSheet2, kIncomeColour);
    auto* form = new QFormLayout(TabSheet2);
    Faculty_2_Lookup = makeLookup<ui::DBLookupComboBox>(TabSheet2, 14);
    Faculty_2_Lookup->setDropDownWidth(650);
    Usluga_Lookup = makeLookup<ui::DBLookupComboBox>(TabSheet2, 16);
    form->addRow(QStringLiteral("Факультет или структурное подразделение:"), Faculty_2_Lookup);
    form->addRow(QStringLiteral("Целевое назначение:"), Usluga_Lookup);

    Student_RBtn = new QRadioButton(QStringLiteral("Студент:"), TabSheet2);
    Student_2_Lookup = makeLookup<ui::DBLookupComboboxEh>(TabSheet2, 16);
    Teacher_RBtn = new QRadioButton(QStringLiteral("Сотрудник:"), TabSheet2);
    Teacher_Lookup = makeLookup<ui::DBLookupComboboxEh>(TabSheet2, 16);
    Dopol_RBtn = new QRadioButton(QStringLiteral("Дополнительно:"), TabSheet2);
    Dopol_edit = lineEdit(TabSheet2, 100);
    RadioButton4 = new QRadioButton(QStringLiteral("Слушатель:"), TabSheet2);
    Slushatel_Lookup = makeLookup<ui::DBLookupComboboxEh>(TabSheet2, 16);
    form->addRow(Student_RBtn, Student_2_Lookup);
    form->addRow(Teacher_RBtn, Teacher_Lookup);
    form->addRow(Dopol_RBtn, Dopol_edit);
    form->addRow(RadioButton4, Slushatel_Lookup);
    Student_RBtn->setChecked(true);
    for (QWidget* control :
         {static_cast<QWidget*>(Usluga_Lookup), static_cast<QWidget*>(Student_RBtn),
          static_cast<QWidget*>(Student_2_Lookup), static_cast<QWidget*>(Teacher_RBtn),
          static_cast<QWidget*>(Teacher_Lookup), static_cast<QWidget*>(Dopol_RBtn),
          static_cast<QWidget*>(RadioButton4), static_cast<QWidget*>(Slushatel_Lookup)}) {
        control->setEnabled(false);
    }
}

void TForm1::createExpensePage() {
    colourPage(TabSheet3, kExpenseColour);
    auto* form = new QFormLayout(TabSheet3);
    Expense_FacultyComboBox = makeLookup<ui::DBLookupComboBox>(TabSheet3, 14);
    Expense_FacultyComboBox->setDropDownWidth(650);
    DBLookupComboBox1 = makeLookup<ui::DBLookupComboBox>(TabSheet3, 14);
    Label24 = new QLabel(QStringLiteral("Факультет:"), TabSheet3);
    DBLookupComboBox4 = makeLookup<ui::DBLookupComboBox>(TabSheet3, 16);
    Expense_CellNaznachenie_ComboBox = makeLookup<ui::DBLookupComboBox>(TabSheet3, 16);
    form->addRow(QStringLiteral("Касса:"), Expense_FacultyComboBox);
    form->addRow(QStringLiteral("Учебный год:"), DBLookupComboBox1);
    form->addRow(Label24, DBLookupComboBox4);
    form->addRow(QStringLiteral("Целевое назначение:"), Expense_CellNaznachenie_ComboBox);
    Label24->setVisible(false);
    DBLookupComboBox4->setVisible(false);
    for (auto* list :
         {Expense_FacultyComboBox, DBLookupComboBox4, Expense_CellNaznachenie_ComboBox}) {
        list->setStyleSheet(QStringLiteral("color: rgb(0, 0, 125);"));
    }

    Expense_Student_RBtn = new QRadioButton(QStringLiteral("Студент:"), TabSheet3);
    Expense_StudentComboBox = makeLookup<ui::DBLookupComboboxEh>(TabSheet3, 16);
    Expense_Teacher_RBtn = new QRadioButton(QStringLiteral("Сотрудник:"), TabSheet3);
    Expense_TeacherComboBox = makeLookup<ui::DBLookupComboboxEh>(TabSheet3, 16);
    Expense_Dopol_RBtn = new QRadioButton(QStringLiteral("Дополнительно:"), TabSheet3);
    Expense_DopolEdit = lineEdit(TabSheet3, 100);
    Expense_DopolEdit->setStyleSheet(QStringLiteral("color: rgb(0, 0, 125);"));
    Expense_Abiturient_RBtn = new QRadioButton(QStringLiteral("Абитуриент:"), TabSheet3);
    Expense_AbiturientComboBox = makeLookup<ui::DBLookupComboboxEh>(TabSheet3, 16);
    Expense_slushatel_RBtn = new QRadioButton(QStringLiteral("Слушатель:"), TabSheet3);
    Expense_SlushatelComboBox = makeLookup<ui::DBLookupComboboxEh>(TabSheet3, 16);
    form->addRow(Expense_Student_RBtn, Expense_StudentComboBox);
    form->addRow(Expense_Teacher_RBtn, Expense_TeacherComboBox);
    form->addRow(Expense_Dopol_RBtn, Expense_DopolEdit);
    form->addRow(Expense_Abiturient_RBtn, Expense_AbiturientComboBox);
    form->addRow(Expense_slushatel_RBtn, Expense_SlushatelComboBox);
    Expense_Student_RBtn->setChecked(true);
    for (QWidget* control :
         {static_cast<QWidget*>(DBLookupComboBox1),
          static_cast<QWidget*>(Expense_CellNaznachenie_ComboBox),
          static_cast<QWidget*>(Expense_Student_RBtn),
          static_cast<QWidget*>(Expense_StudentComboBox),
          static_cast<QWidget*>(Expense_Teacher_RBtn),
          static_cast<QWidget*>(Expense_TeacherComboBox), static_cast<QWidget*>(Expense_Dopol_RBtn),
          static_cast<QWidget*>(Expense_Abiturient_RBtn),
          static_cast<QWidget*>(Expense_AbiturientComboBox),
          static_cast<QWidget*>(Expense_slushatel_RBtn),
          static_cast<QWidget*>(Expense_SlushatelComboBox)}) {
        control->setEnabled(false);
    }
}

void TForm1::createPaymentGroup() {
    GroupBox1 = new QGroupBox(QStringLiteral("Произвести оплату:"));
    auto* form = new QFormLayout(GroupBox1);
    Vid_Oplaty_ComboBox = makeLookup<ui::DBLookupComboBox>(GroupBox1, 8);
    Oplata_Edit = lineEdit(GroupBox1, 10);
    DateTimePicker = new QDateTimeEdit(GroupBox1);
    DateTimePicker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DateTimePicker->setCalendarPopup(true);
    DateTimePicker->setDateTime(QDateTime(QDate::currentDate(), QTime(14, 40, 11, 734)));
    Order_Edit = lineEdit(GroupBox1, 10);
    Order_Edit->setStyleSheet(QStringLiteral("background: rgb(255, 255, 225);"));
    Order_Edit2 = lineEdit(GroupBox1, 10);
    CheckBox4 = new QCheckBox(QStringLiteral("Авто вставка"), GroupBox1);
    DBLookupListBox1 = new ui::DBLookupListBox(GroupBox1);
    DBLookupListBox2 = new ui::DBLookupListBox(GroupBox1);
    for (auto* recent : {DBLookupListBox1, DBLookupListBox2}) {
        recent->setFocusPolicy(Qt::ClickFocus);
    }
    Osnovanie_RichEdit = new QPlainTextEdit(GroupBox1);
    Osnovanie_RichEdit->setTabChangesFocus(true);
    Label17 = new QLabel(QStringLiteral("Примечание:"), GroupBox1);
    Primechanie_RichEdit = new QPlainTextEdit(GroupBox1);
    Primechanie_RichEdit->setTabChangesFocus(true);
    AddBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                             QStringLiteral("Произвести оплату"), GroupBox1);
    AddBtn->setFocusPolicy(Qt::ClickFocus);

    auto* order = new QHBoxLayout;
    order->addWidget(Order_Edit);
    order->addWidget(Order_Edit2);
    order->addWidget(CheckBox4);
    auto* recent = new QHBoxLayout;
    recent->addWidget(DBLookupListBox1);
    recent->addWidget(DBLookupListBox2);
    form->addRow(QStringLiteral("Вид оплаты:"), Vid_Oplaty_ComboBox);
    form->addRow(QStringLiteral("Оплата:"), Oplata_Edit);
    form->addRow(QStringLiteral("Дата:"), DateTimePicker);
    form->addRow(QStringLiteral("№ Ордера:"), order);
    form->addRow(QString(), recent);
    form->addRow(QStringLiteral("Основание:"), Osnovanie_RichEdit);
    form->addRow(Label17, Primechanie_RichEdit);
    form->addRow(AddBtn);

    QWidget::setTabOrder(Vid_Oplaty_ComboBox, Oplata_Edit);
    QWidget::setTabOrder(Oplata_Edit, DateTimePicker);
    QWidget::setTabOrder(DateTimePicker, Order_Edit);
    QWidget::setTabOrder(Order_Edit, Order_Edit2);
    QWidget::setTabOrder(Order_Edit2, Osnovanie_RichEdit);
    QWidget::setTabOrder(Osnovanie_RichEdit, Primechanie_RichEdit);
    for (QWidget* control :
         {static_cast<QWidget*>(Vid_Oplaty_ComboBox), static_cast<QWidget*>(Oplata_Edit),
          static_cast<QWidget*>(DateTimePicker), static_cast<QWidget*>(Order_Edit),
          static_cast<QWidget*>(Osnovanie_RichEdit), static_cast<QWidget*>(Primechanie_RichEdit),
          static_cast<QWidget*>(AddBtn)}) {
        control->setEnabled(false);
    }
}

db::DataSource* TForm1::source(db::DataSet* dataSet) {
    db::DataSource*& found = sources_[dataSet];
    if (!found) {
        found = new db::DataSource(dataSet, this);
    }
    return found;
}

void TForm1::bindLists() {
    data::TDM_Smeta& dm = *data::DM_Smeta;
    const auto bind = [](ui::DBLookupComboBox* box, db::DataSource* list, const char* shown,
                         const char* key) {
        box->setListSource(list);
        box->setListField(QString::fromUtf8(shown));
        box->setKeyField(QString::fromUtf8(key));
    };
    bind(Faculty_Lookup, dm.DS_faculty, "p23-1", "id_faculty");
    bind(Year_Lookup, source(dm.ADOT_a_year), "p32", "id_a_year");
    bind(Uslug_DBLookupComboBox, source(dm.ADOT_Uslugi_2), "uslugi", "id_uslug");
    bind(Speciality_Lookup, dm.DS_Spec, "p25_2", "id_speciality");
    bind(Rate_ComboBox, source(dm.ADOT_Rate), "p22", "id_rate");
    bind(Group_ComboBox, source(dm.ADOQ_Groups), "p20", "id_group");
    bind(Student_Lookup, source(dm.ADOQ_Grid1), "s_fio", "id_student");
    bind(Ab_Speciality_Lookup, dm.DS_Spec, "p25_2", "id_speciality");
    bind(Ab_Student_Lookup, source(dm.ADOQ_Abiturient), "ab_fio", "id_student");
    bind(DBLookupComboBox3, source(dm.ADOQ_group_slushatel), "name_full", "id_group_slushatel");
    DBText1->setDataSource(source(dm.ADOQ_group_slushatel));
    DBText1->setDataField(QStringLiteral("name_short"));
    bind(DBLookupComboBox2, source(dm.ADOQ_slushatel), "s_fio", "id_student");

    bind(Faculty_2_Lookup, dm.DS_faculty, "p23-1", "id_faculty");
    bind(Usluga_Lookup, source(dm.ADOT_Uslugi_2), "uslugi", "id_uslug");
    bind(Student_2_Lookup, source(dm.ADOQ_Grid2), "s_fio", "id_student");
    bind(Teacher_Lookup, source(dm.ADOT_Teacher), "t_fio", "id_teacher");
    bind(Slushatel_Lookup, source(dm.ADOQ_slushatel2), "s_fio", "s_fio");

    bind(Expense_FacultyComboBox, dm.DS_kassa, "name", "id_kassa");
    bind(DBLookupComboBox1, source(dm.ADOT_a_year), "p32", "id_a_year");
    bind(DBLookupComboBox4, source(dm.ADOQ_facExpence), "nameFac", "id_faculty");
    bind(Expense_CellNaznachenie_ComboBox, source(dm.ADOT_Uslugi_2), "uslugi", "id_uslug");
    bind(Expense_StudentComboBox, source(dm.ADOQ_Grid2), "s_fio", "id_student");
    bind(Expense_TeacherComboBox, source(dm.ADOT_Teacher), "t_fio", "id_teacher");
    bind(Expense_AbiturientComboBox, source(dm.ADOQ_ExpensiveAbit), "ab_fio", "id_student");
    bind(Expense_SlushatelComboBox, source(dm.ADOQ_slushatel2), "s_fio", "s_fio");

    bind(Vid_Oplaty_ComboBox, dm.DS_V_Opl, "p105", "id_v_opl");
    DBLookupListBox1->setListSource(dm.DS_PaymentOrder);
    DBLookupListBox2->setListSource(dm.DS_expanceOrder);
    for (auto* recent : {DBLookupListBox1, DBLookupListBox2}) {
        recent->setListField(QStringLiteral("p104"));
        recent->setKeyField(QStringLiteral("p104"));
    }
}

}  // namespace zur::desk
