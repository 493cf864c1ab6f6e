#include "config/SettingsWriteError.h"

namespace orfa::config {

SettingsWriteError::SettingsWriteError(const QString& path, const QString& reason)
    : std::runtime_error(
          (QStringLiteral("cannot write settings file %1: %2").arg(path, reason)).toStdString())
    , path_(path)
    , reason_(reason) {}

} // namespace orfa::config
