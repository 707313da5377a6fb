#pragma once
// The credentials file "Data/ZUR" that the program reads at login: two blocks of 42 bytes, each
// with two texts of up to 20 characters (stored shifted, padded with zero bytes) and their two
// length bytes: user, password, lengths; server, database, lengths.

#include <QByteArray>
#include <QString>

namespace zur::embedded {

inline constexpr int kCredentialsFileSize = 84;
inline constexpr int kCredentialTextMax = 20;

// Every Windows-1251 byte of `text` one lower (byte arithmetic: 0 becomes 255): the form in
// which the credentials file and GET_USER keep their texts.
QByteArray shiftedDown(QStringView text);

struct Credentials {
    QString user;
    QString password;
    QString server;
    QString database;
};

// The 84 bytes of the file; throws std::invalid_argument naming a text longer than 20
// characters.
QByteArray credentialsFile(const Credentials& credentials);

}  // namespace zur::embedded
