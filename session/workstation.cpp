#include "session/workstation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QNetworkInterface>
#include <QSysInfo>

namespace zur::session {

QDateTime build_stamp() {
    return QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
}

QString computer_name() {
    return QSysInfo::machineHostName().left(256);
}

QString local_ip_address() {
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) {
                return entry.ip().toString();
            }
        }
    }
    return QStringLiteral("127.0.0.1");
}

}  // namespace zur::session
