#pragma once

#include <QString>

namespace zur::text {

// The MD5 digest of the Windows-1251 bytes of `text`, as 32 upper-case hexadecimal digits. The
// database stores and compares passwords in this form.
QString md5_hex(QStringView text);

}  // namespace zur::text
