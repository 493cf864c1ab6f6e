#pragma once

#include <QString>

#include <stdexcept>

namespace orfa::config {

// Raised when the settings file refuses a write (no such directory, disk full, a file
// that could not be read and so must not be replaced, an unusable key name). The file
// on disk is left exactly as it was before the write.
class SettingsWriteError : public std::runtime_error {
public:
    SettingsWriteError(const QString& path, const QString& reason);

    // The settings file that was to be written.
    const QString& path() const noexcept { return path_; }
    // Why the write was refused, as the operating system or the check reported it.
    const QString& reason() const noexcept { return reason_; }

private:
    QString path_;
    QString reason_;
};

} // namespace orfa::config
