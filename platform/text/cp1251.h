#pragma once
// The single-byte Cyrillic code page Windows-1251. Text is Unicode inside the program; these
// bytes matter only where the bytes themselves are used (password digests, the credentials file).

#include <QByteArray>
#include <QString>

namespace zur::text {

// Characters without a Windows-1251 byte become '?'.
QByteArray toCp1251(QStringView text);
QString fromCp1251(const QByteArray& bytes);

}  // namespace zur::text
