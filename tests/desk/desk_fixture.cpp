#include "tests/desk/desk_fixture.h"

#include "embedded/credentials_file.h"
#include "embedded/demo.h"
#include "embedded/procedures.h"
#include "platform/db/connection.h"
#include "platform/db/result_set.h"
#include "platform/ui/db_lookup_combo_box.h"
#include "session/login_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>

namespace zur::test {

DeskFixture::DeskFixture(const QString& name) {
    embedded::registerProcedures();
    const QDir programDir(QCoreApplication::applicationDirPath());
    path_ = programDir.filePath(name);
    QFile::remove(path_);
    embedded::createDemo(path_);
    programDir.mkpath(QStringLiteral("Data"));
    QFile file(programDir.filePath(QStringLiteral("Data/ZUR")));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(
            embedded::credentialsFile({QStringLiteral("zur_tech"), QStringLiteral("tech"),
                                       QStringLiteral("sqlite:") + name, QStringLiteral("ZUR")}));
    }
    dm_ = std::make_unique<data::TDM_Smeta>();
}

std::unique_ptr<desk::TForm1> DeskFixture::openWindow(ScriptedDialogs& dialogs) {
    dialogs.modal([](QDialog& dialog) {
        auto& login = static_cast<session::TForm8&>(dialog);
        login.Login_Edit->setText(QStringLiteral("kassir"));
        login.Password_Edit->setText(QStringLiteral("kassir1"));
        login.SpeedButton2Click();
        return login.result();
    });
    return std::make_unique<desk::TForm1>();
}

namespace {

db::Connection* openOwn(const QString& path) {
    static db::Connection connection;
    if (!connection.isOpen()) {
        connection.setConnectionString(QStringLiteral("Data Source=sqlite:%1").arg(path));
        connection.open();
    }
    return &connection;
}

}  // namespace

void DeskFixture::execute(const QString& statement) {
    openOwn(path_)->execute(statement);
}

QVariant DeskFixture::scalar(const QString& statement) {
    const db::ResultSet result = openOwn(path_)->query(statement);
    return result.rows.isEmpty() ? QVariant() : result.rows.first().value(0);
}

void pick(ui::DBLookupComboBox* box, const QVariant& key) {
    box->setKeyValue(key);
    emit box->picked();
}

}  // namespace zur::test
