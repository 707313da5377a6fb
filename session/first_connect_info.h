#pragma once
// The technical credentials file `Data/ZUR` beside the program: 84 bytes, two blocks of two
// shifted texts of up to 20 characters with their length bytes.

#include <QString>
#include <stdexcept>

namespace zur::session {

struct TFirstConnectInfo {
    QString user;
    QString password;
    QString database;
    QString server;
};

class CredentialsError : public std::runtime_error {
  public:
    explicit CredentialsError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

inline constexpr int kCredentialsFileSize = 84;
inline constexpr int kCredentialsFieldSize = 20;

// Every byte one up (255 becomes 0): the stored form of a text is one below each character.
QByteArray unshift_text(QByteArray bytes);
// The same on a text, through its Windows-1251 bytes.
QString unshift_text(const QString& text);

// Decodes the 84 bytes of the file. Throws CredentialsError when fewer bytes are given.
TFirstConnectInfo decode_first_connect_info(const QByteArray& bytes);
// Reads and decodes the file. Throws CredentialsError when it is missing or shorter than 84 bytes.
TFirstConnectInfo read_first_connect_info(const QString& path);
// The file's path: `Data/ZUR` in the program's folder.
QString credentials_path();

}  // namespace zur::session
