#include "session/login_window.h"

#include "platform/db/connection.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/shadow_label.h"
#include "session/first_connect_info.h"
#include "session/login_pictures.h"
#include "session/workstation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QToolButton>

namespace zur::session {

namespace {

const QString kWrongLogin = QStringLiteral("Неверно ввели логин или пароль.");
const QString kMustChangePassword = QStringLiteral(
    "Вы должны поменять пароль\rЭто делается для безопастности и сохранения данных "
    "от злоумышлеников");
const QString kPasswordsDiffer =
    QStringLiteral("Новый пароль подтвержден не верно!!!\rПодтвердите пароль заново.");
const QString kPasswordTooShort = QStringLiteral(
    "Пароль должен состоять не менее чем из 6 символов!!!\rВведите новый пароль заново.");
const QString kTooOld = QStringLiteral("Скачайте новую версию с портала ZUR !");
constexpr int kMinimalNewPasswordLength = 6;
constexpr int kTooOldPauseMs = 5000;

QString stampText() {
    return QLocale::system().toString(build_stamp(), QLocale::ShortFormat);
}

void showError(const QString& text) {
    ui::message(text, QStringLiteral("Ошибка"), ui::Icon::Error);
}

QLineEdit* makeEdit(QWidget* parent, const char* name, const QRect& geometry, bool masked) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    edit->setFrame(false);
    edit->setStyleSheet(QStringLiteral("background: white;"));
    if (masked) {
        edit->setEchoMode(QLineEdit::Password);
    }
    return edit;
}

QToolButton* makeButton(QWidget* parent, const char* name, const QRect& geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(
        QStringLiteral("QToolButton { background: transparent; border: none; }"
                       "QToolButton:hover { background: rgba(255,255,255,40); }"));
    return button;
}

}  // namespace

TForm8::TForm8(db::Connection& connection, LoginHooks hooks, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog),
      connection_(connection),
      hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Аутентификация"));
    setFixedSize(kClientWidth, kClosedHeight);
    createControls();
    // A leftover update script of an earlier version is removed at every start.
    QFile::remove(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ZUR 10.bat")));
    Label1->setText(QStringLiteral("V.%1   [ %2 ]").arg(PROGRAM_VERSION).arg(stampText()));
}

void TForm8::createControls() {
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kClientWidth, kClosedHeight);
    Image1->setPixmap(loginPicture(QSize(kClientWidth, kClosedHeight)));
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(0, kClosedHeight, kClientWidth, kOpenHeight - kClosedHeight);
    Image2->setPixmap(passwordPanelPicture(QSize(kClientWidth, kOpenHeight - kClosedHeight)));

    Login_Edit = makeEdit(this, "Login_Edit", kLoginEditRect, false);
    Password_Edit = makeEdit(this, "Password_Edit", kPasswordEditRect, true);
    Edit1 = makeEdit(this, "Edit1", kNewPasswordEditRect, true);
    Edit2 = makeEdit(this, "Edit2", kRepeatPasswordEditRect, true);
    const auto* accepted =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Za-z_]*")), this);
    Edit1->setValidator(accepted);
    Edit2->setValidator(accepted);
    for (QLineEdit* edit : {Login_Edit, Password_Edit, Edit1, Edit2}) {
        edit->installEventFilter(this);
    }

    SpeedButton2 = makeButton(this, "SpeedButton2", kLoginButtonRect);
    SpeedButton3 = makeButton(this, "SpeedButton3", kPanelButtonRect);
    SpeedButton1 = makeButton(this, "SpeedButton1", kLeaveButtonRect);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm8::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm8::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm8::SpeedButton3Click);

    RzLabel1 = new ui::ShadowLabel(this);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->setGeometry(kMessageRect);
    RzLabel1->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
    RzLabel1->setStyleSheet(QStringLiteral("color: black;"));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(kVersionRect);
    Label1->setFont(QFont(QStringLiteral("Arial"), 7, QFont::Bold));
    Label1->setStyleSheet(QStringLiteral("color: white;"));

    for (QWidget* handle : std::initializer_list<QWidget*>{Image1, Image2, RzLabel1}) {
        handle->installEventFilter(this);
    }
    Login_Edit->setFocus();
}

void TForm8::setMessage(const QString& text) {
    RzLabel1->setText(text);
}

bool TForm8::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            SpeedButton2Click();
            return true;
        }
        return false;
    }
    const bool handle = watched == Image1 || watched == Image2 || watched == RzLabel1;
    if (handle && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            dragOffset_ = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
            return true;
        }
    }
    if (handle && event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons().testFlag(Qt::LeftButton)) {
            move(mouse->globalPosition().toPoint() - dragOffset_);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm8::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the desktop, not on the main window behind it.
    move(screen()->availableGeometry().center() - rect().center());
}

void TForm8::keyPressEvent(QKeyEvent* event) {
    // Only the leave button ends the window without a login.
    if (event->key() != Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
    }
}

void TForm8::SpeedButton1Click() {
    done(QDialog::Rejected);
}

void TForm8::SpeedButton3Click() {
    change_panel_open_ = !change_panel_open_;
    setFixedHeight(change_panel_open_ ? kOpenHeight : kClosedHeight);
}

void TForm8::SpeedButton2Click() {
    ++attempt_count_;
    QString newPassword = kNoNewPassword;
    if (change_panel_open_) {
        const QString* problem = nullptr;
        if (Edit1->text() != Edit2->text()) {
            problem = &kPasswordsDiffer;
        } else if (Edit1->text().size() < kMinimalNewPasswordLength) {
            problem = &kPasswordTooShort;
        }
        if (problem != nullptr) {
            Edit1->clear();
            Edit2->clear();
            setMessage(*problem);
            return;
        }
        newPassword = Edit1->text();
    }
    if (!connect_and_authenticate(connection_, newPassword)) {
        return;
    }
    try {
        connection_.execute(QStringLiteral("SET DATEFORMAT dmy"));
    } catch (const db::DbError& error) {
        showError(error.message());
        connection_.close();
        return;
    }
    accept();
}

bool TForm8::connect_and_authenticate(db::Connection& connection, const QString& newPassword) {
    TFirstConnectInfo info;
    try {
        info = read_first_connect_info(hooks_.credentialsPath ? hooks_.credentialsPath()
                                                              : credentials_path());
    } catch (const CredentialsError& error) {
        showError(error.message());
        return false;
    }
    connection.close();
    connection.setConnectionString(
        connection_string(info.user, info.password, info.database, info.server));
    try {
        connection.open();
        hooks_.setProgramCaption(
            QStringLiteral(" V%1 [ %2 ] - Касса").arg(PROGRAM_VERSION).arg(stampText()));
    } catch (const db::DbError& error) {
        QString text = error.message();
        if (!info.user.isEmpty()) {
            text.remove(info.user, Qt::CaseSensitive);
        }
        setMessage(text);
    }

    GetUserAnswer answer;
    try {
        const GetUserCall call{Login_Edit->text(), Password_Edit->text(), newPassword,
                               local_ip_address(), computer_name()};
        answer = read_get_user_answer(connection.query(get_user_statement(call)));
    } catch (const db::DbError& error) {
        showError(error.message());
        setMessage(kWrongLogin);
        connection.close();
        return false;
    }
    if (!acceptAnswer(connection, answer)) {
        return false;
    }

    try {
        hooks_.setCurrentUserId(answer.userId);
        connection.close();
        connection.setConnectionString(connection_string(unshift_text(answer.workingUser),
                                                         unshift_text(answer.workingPassword),
                                                         info.database, info.server));
        connection.open();
        hooks_.setCurrentLogin(Login_Edit->text());
        hooks_.loadSessionContext();
        return true;
    } catch (const db::DbError& error) {
        showError(error.message());
        setMessage(answer.message);
        connection.close();
        return false;
    }
}

bool TForm8::acceptAnswer(db::Connection& connection, const GetUserAnswer& answer) {
    if (answer.minimalVersion > PROGRAM_VERSION) {
        Label1->setText(kTooOld);
        Label1->repaint();
        hooks_.waitMilliseconds(kTooOldPauseMs);
        hooks_.terminateProgram();
        return false;
    }
    if (!answer.message.isEmpty()) {
        setMessage(answer.message);
        return false;
    }
    const bool mustChange = answer.passwordState < 0;
    const bool askOnce =
        attempt_count_ == 1 && !answer.workingUser.isEmpty() && answer.passwordState < 20;
    if (mustChange || askOnce) {
        connection.close();
        setMessage(kMustChangePassword);
        SpeedButton3Click();
        if (mustChange) {
            SpeedButton3->setEnabled(false);
        }
        return false;
    }
    return true;
}

}  // namespace zur::session
