#pragma once
// What the program knows of itself and of the computer it runs on.

#include <QDateTime>
#include <QString>

namespace zur::session {

inline constexpr int PROGRAM_VERSION = 8;

// When the program file was built: the time its file was last written by the linker.
QDateTime build_stamp();
// The computer's network name, at most 256 characters.
QString computer_name();
// The computer's local IPv4 address (the first one that is up and not loopback), else 127.0.0.1.
QString local_ip_address();

}  // namespace zur::session
