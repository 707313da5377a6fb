#pragma once

#include <QString>
#include <stdexcept>

namespace zur::db {

// A failed database operation; the message is the database's own text.
class DbError : public std::runtime_error {
  public:
    explicit DbError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

}  // namespace zur::db
