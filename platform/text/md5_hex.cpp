#include "platform/text/md5_hex.h"

#include "platform/text/cp1251.h"

#include <QCryptographicHash>

namespace zur::text {

QString md5_hex(QStringView text) {
    const QByteArray digest = QCryptographicHash::hash(toCp1251(text), QCryptographicHash::Md5);
    return QString::fromLatin1(digest.toHex().toUpper());
}

}  // namespace zur::text
