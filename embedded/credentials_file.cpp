#include "embedded/credentials_file.h"

#include "platform/text/cp1251.h"

#include <stdexcept>

namespace zur::embedded {

QByteArray shiftedDown(QStringView text) {
    QByteArray bytes = text::toCp1251(text);
    for (char& byte : bytes) {
        byte = char(quint8(byte) - 1);
    }
    return bytes;
}

namespace {

QByteArray field(const QString& text, const char* what) {
    if (text.size() > kCredentialTextMax) {
        throw std::invalid_argument(std::string("Длиннее 20 символов: ") + what);
    }
    QByteArray bytes = shiftedDown(text);
    bytes.append(kCredentialTextMax - bytes.size(), '\0');
    return bytes;
}

QByteArray block(const QString& first, const char* firstName, const QString& second,
                 const char* secondName) {
    QByteArray bytes = field(first, firstName) + field(second, secondName);
    bytes.append(char(first.size()));
    bytes.append(char(second.size()));
    return bytes;
}

}  // namespace

QByteArray credentialsFile(const Credentials& credentials) {
    return block(credentials.user, "пользователь", credentials.password, "пароль") +
           block(credentials.server, "сервер", credentials.database, "база данных");
}

}  // namespace zur::embedded
