#pragma once

#include <QString>

#include <stdexcept>

namespace orfa::config {

// Raised by the central database when a statement cannot run: no connection, an SQL
// error, a lost connection, a lock held by another panel, a text the connection's code
// page cannot carry. The message is the server's own text where there is one.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message);

    const QString& message() const noexcept { return message_; }

private:
    QString message_;
};

} // namespace orfa::config
