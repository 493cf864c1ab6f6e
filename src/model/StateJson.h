#pragma once

#include "model/AmpState.h"

#include <QJsonObject>

namespace orfa::model {

class IoNaming;

// One output and one input box as JSON, with their names beside the numbers:
// the entries of status --json and of the snapshot file.
QJsonObject outputJson(int output, const AmpState::Output& state, const IoNaming& naming);
QJsonObject inputJson(int box, const AmpState::Input& state, const IoNaming& naming);

} // namespace orfa::model
