#pragma once
// The login window: the cashier's login and password, an optional password change, and the
// authentication against the database's user procedure.

#include "session/get_user.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QToolButton;

namespace zur::db {
class Connection;
}

namespace zur::ui {
class ShadowLabel;
}

namespace zur::session {

// What the login does to the rest of the program.
struct LoginHooks {
    std::function<void(const QString&)> setProgramCaption;  // main window and application title
    std::function<void(int)> setCurrentUserId;
    std::function<void(const QString&)> setCurrentLogin;
    std::function<void()> loadSessionContext;   // throws DbError
    std::function<void(int)> waitMilliseconds;  // the pause before a too old program ends
    std::function<void()> terminateProgram;     // ends the program at once
    std::function<QString()> credentialsPath;
};

class TForm8 : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kClosedHeight = 275;
    static constexpr int kOpenHeight = 416;
    static constexpr int kClientWidth = 497;

    TForm8(db::Connection& connection, LoginHooks hooks, QWidget* parent = nullptr);

    bool connect_and_authenticate(db::Connection& connection, const QString& newPassword);

    void SpeedButton1Click();  // leave
    void SpeedButton2Click();  // log in
    void SpeedButton3Click();  // open or close the password change panel

    quint8 attempt_count() const { return attempt_count_; }
    bool change_panel_open() const { return change_panel_open_; }

    QLineEdit* Login_Edit;
    QLineEdit* Password_Edit;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    ui::ShadowLabel* RzLabel1;
    QLabel* Label1;
    QLabel* Image1;
    QLabel* Image2;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void createControls();
    void setMessage(const QString& text);
    // Rules on the first row of the procedure's answer; false when the login stops there.
    bool acceptAnswer(db::Connection& connection, const GetUserAnswer& answer);

    db::Connection& connection_;
    LoginHooks hooks_;
    quint8 attempt_count_ = 0;
    bool change_panel_open_ = false;
    QPoint dragOffset_;
};

}  // namespace zur::session
