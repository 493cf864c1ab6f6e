#pragma once

#include <QString>

namespace orfa::config {
class SettingsFile;
}

namespace orfa::users {

// The ID of a new user or group record in the settings file: the record counter
// ("MaxIDUziv", "MaxIDSkupiny") + 1; a missing or empty counter counts as 0. Nothing is
// written. Throws config::SettingsWriteError when the record could never be read back: the
// counter is no number, is negative, or already stands at highestId, beyond which no reader
// looks (a damaged or exhausted counter).
int newFileRecordId(const config::SettingsFile& file, const QString& counterKey, int highestId);

} // namespace orfa::users
