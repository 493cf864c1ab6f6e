#pragma once

#include "model/AmpState.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace orfa::model {

class IoNaming;

// The snapshot file: JSON, versioned, with the names of outputs and sources
// beside their numbers so that a person can read it. Reading checks all of
// it before anything is used: a damaged, foreign or newer file, or one of an
// amplifier of another size, is refused as a whole.
//
// {"format": "orfa-snapshot", "version": 1, "savedAt": "...", "amplifier":
//  {"address": "host:port", "outputs": 16, "inputs": 5},
//  "power": "on", "master": {"db": -10},
//  "outputs": [{"output": 1, "name": "...", "level": 20, "muted": false,
//               "source": 3, "sourceName": "..."}, ...16],
//  "inputs": [{"input": 1, "sources": ["...", "..."], "gain": 5,
//              "eqDb": {"60 Hz": 0, "250 Hz": 0, "1 kHz": 0, "3 kHz": 0, "10 kHz": 0}}, ...5]}
inline constexpr int kSnapshotVersion = 1;

QByteArray writeSnapshot(const AmpState& state, const IoNaming& naming, const QString& address);
std::optional<AmpState> readSnapshot(const QByteArray& bytes, QString& error);

} // namespace orfa::model
