#include "session/first_connect_info.h"

#include "platform/text/cp1251.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace zur::session {

namespace {

// Offsets of the two 42-byte blocks: two 20-byte fields, then their two length bytes.
constexpr int kBlockSize = 42;
constexpr int kLengthOffset = 2 * kCredentialsFieldSize;

QString field(const QByteArray& bytes, int block, int index) {
    const int start = block * kBlockSize + index * kCredentialsFieldSize;
    const int length =
        static_cast<unsigned char>(bytes[block * kBlockSize + kLengthOffset + index]);
    const QByteArray stored = bytes.mid(start, qMin(length, kCredentialsFieldSize));
    return text::fromCp1251(unshift_text(stored));
}

}  // namespace

QByteArray unshift_text(QByteArray bytes) {
    for (char& byte : bytes) {
        byte = char(static_cast<unsigned char>(byte) + 1);
    }
    return bytes;
}

QString unshift_text(const QString& text) {
    return text::fromCp1251(unshift_text(text::toCp1251(text)));
}

TFirstConnectInfo decode_first_connect_info(const QByteArray& bytes) {
    if (bytes.size() < kCredentialsFileSize) {
        throw CredentialsError(
            QStringLiteral("Файл параметров соединения повреждён: %1 байт вместо %2.")
                .arg(bytes.size())
                .arg(kCredentialsFileSize));
    }
    return {field(bytes, 0, 0), field(bytes, 0, 1), field(bytes, 1, 1), field(bytes, 1, 0)};
}

TFirstConnectInfo read_first_connect_info(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw CredentialsError(
            QStringLiteral("Не удаётся открыть файл параметров соединения %1: %2")
                .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return decode_first_connect_info(file.read(kCredentialsFileSize));
}

QString credentials_path() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Data/ZUR"));
}

}  // namespace zur::session
