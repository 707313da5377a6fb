// The window's life: creation with the login, the login's hooks, closing, and the error guard
// of its events.

#include "desk/tform1.h"

#include "data/dm_smeta.h"
#include "platform/db/db_error.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "platform/ui/db_lookup_list_box.h"
#include "platform/ui/dialogs.h"
#include "session/login.h"

#include <QCloseEvent>
#include <QDateTimeEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace zur::desk {

namespace {

constexpr int kRecentListHeight = 43;

bool runRealLogin(TForm1& window) {
    session::MainWindowHooks hooks;
    hooks.setCaptionSuffix = [&window](const QString& suffix) { window.setCaptionSuffix(suffix); };
    hooks.applySwitches = [&window](const session::SessionSwitches& switches) {
        window.applySwitches(switches);
    };
    return session::run_login(&window, hooks);
}

}  // namespace

TForm1::TForm1(LoginRunner login, QWidget* parent) : QMainWindow(parent) {
    createControls();
    connectCascade();
    connectPaymentGroup();
    connectOtherPages();
    installKeyFilters();
    wireRegistrations();
    FormCreate(login ? login : LoginRunner(runRealLogin));
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(const LoginRunner& login) {
    DateTimePicker->setDate(QDate::currentDate());
    return_mode = false;
    default_year_id.reset();
    DBLookupListBox1->setFixedHeight(kRecentListHeight);
    DBLookupListBox2->setFixedHeight(kRecentListHeight);
    loggedIn_ = login(*this);
    PageControl2->setCurrentIndex(kStudentSubPage);
}

void TForm1::FormClose() {
    data::DM_Smeta->ADOCon.close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm1::setCaptionSuffix(const QString& suffix) {
    const QString caption = kDesignCaption + suffix;
    setWindowTitle(caption);
    QGuiApplication::setApplicationDisplayName(caption);
}

void TForm1::applySwitches(const session::SessionSwitches& switches) {
    if (switches.orderEditReadOnly) {
        Order_Edit->setReadOnly(*switches.orderEditReadOnly);
    }
    if (switches.expenseFacultyVisible) {
        Label24->setVisible(*switches.expenseFacultyVisible);
        DBLookupComboBox4->setVisible(*switches.expenseFacultyVisible);
    }
}

void TForm1::runGuarded(const std::function<void()>& step) {
    try {
        step();
    } catch (const db::DbError& error) {
        ui::message(error.message(), QStringLiteral("Ошибка"), ui::Icon::Error);
    }
}

int TForm1::facultyId() const {
    return Faculty_Lookup->keyValue().toInt();
}

void TForm1::proposePaymentKind() {
    Vid_Oplaty_ComboBox->setKeyValue(data::DM_Smeta->ADOT_V_Opl->value(QStringLiteral("id_v_opl")));
}

}  // namespace zur::desk
