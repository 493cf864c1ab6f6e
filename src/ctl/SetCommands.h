#pragma once

#include <QStringList>

namespace orfa::ctl {

struct CtlContext;

// The commands that change one thing: power, master, level, mute, source,
// gain, eq, preset, memory. words holds the command's arguments (without its
// name). Each checks its words and the operator's rights before anything is
// queued, then waits for the amplifier; returns the exit code.
int runSetCommand(const QString& command, const QStringList& words, const CtlContext& context);

// Whether command is one of them.
bool isSetCommand(const QString& command);

} // namespace orfa::ctl
