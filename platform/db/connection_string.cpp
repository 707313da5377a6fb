#include "platform/db/connection_string.h"

#include <QCoreApplication>
#include <QDir>

namespace zur::db {

namespace {

const QString kEmbeddedPrefix = QStringLiteral("sqlite:");

// Reads one value starting at `pos`, braced or up to the next ';'.
QString readValue(const QString& text, int& pos) {
    if (pos < text.size() && text[pos] == u'{') {
        QString value;
        for (++pos; pos < text.size(); ++pos) {
            if (text[pos] == u'}') {
                if (pos + 1 < text.size() && text[pos + 1] == u'}') {
                    value += u'}';
                    ++pos;
                    continue;
                }
                ++pos;
                break;
            }
            value += text[pos];
        }
        return value;
    }
    const int end = text.indexOf(u';', pos);
    const QString value = text.mid(pos, end < 0 ? -1 : end - pos);
    pos = end < 0 ? text.size() : end;
    return value;
}

}  // namespace

ConnectionString::ConnectionString(const QString& text) {
    int pos = 0;
    while (pos < text.size()) {
        const int eq = text.indexOf(u'=', pos);
        if (eq < 0) {
            break;
        }
        const QString key = text.mid(pos, eq - pos).trimmed();
        pos = eq + 1;
        items_.append({key, readValue(text, pos)});
        while (pos < text.size() && text[pos] != u';') {
            ++pos;
        }
        ++pos;
    }
}

QString ConnectionString::value(const QString& key) const {
    for (const auto& [k, v] : items_) {
        if (k.compare(key, Qt::CaseInsensitive) == 0) {
            return v;
        }
    }
    return {};
}

bool ConnectionString::has(const QString& key) const {
    for (const auto& item : items_) {
        if (item.first.compare(key, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

bool ConnectionString::isEmbedded() const {
    return value(QStringLiteral("Data Source")).startsWith(kEmbeddedPrefix, Qt::CaseInsensitive);
}

QString ConnectionString::embeddedPath() const {
    const QString path = value(QStringLiteral("Data Source")).mid(kEmbeddedPrefix.size());
    if (QDir::isAbsolutePath(path)) {
        return path;
    }
    return QDir(QCoreApplication::applicationDirPath()).filePath(path);
}

QString odbcValue(const QString& value) {
    const bool plain = !value.contains(u';') && !value.contains(u'{') && !value.contains(u'}') &&
                       value.trimmed() == value;
    if (plain) {
        return value;
    }
    QString braced = value;
    braced.replace(QStringLiteral("}"), QStringLiteral("}}"));
    return u'{' + braced + u'}';
}

QString ConnectionString::odbcString(const QString& driver) const {
    QString odbc = QStringLiteral("Driver={%1};Server=%2;Database=%3;")
                       .arg(driver, odbcValue(value(QStringLiteral("Data Source"))),
                            odbcValue(value(QStringLiteral("Initial Catalog"))));
    if (has(QStringLiteral("User ID"))) {
        odbc += QStringLiteral("UID=%1;PWD=%2;")
                    .arg(odbcValue(value(QStringLiteral("User ID"))),
                         odbcValue(value(QStringLiteral("Password"))));
    }
    if (value(QStringLiteral("Use Encryption for Data")).compare(u"False", Qt::CaseInsensitive) ==
        0) {
        odbc += QStringLiteral("Encrypt=no;");
    }
    if (driver.compare(u"FreeTDS", Qt::CaseInsensitive) == 0) {
        odbc += QStringLiteral("TDS_Version=7.3;ClientCharset=UTF-8;");
    }
    return odbc;
}

}  // namespace zur::db
