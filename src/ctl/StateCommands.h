#pragma once

#include <QStringList>

namespace orfa::ctl {

struct CtlContext;

// status: reads the whole state from the amplifier and prints it.
int runStatus(const QStringList& words, const CtlContext& context);
// snapshot save FILE | snapshot restore FILE ("-" is standard output or input).
int runSnapshot(const QStringList& words, const CtlContext& context);

} // namespace orfa::ctl
