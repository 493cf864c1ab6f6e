#pragma once

#include <QFile>
#include <QString>

// The resident memory (VmRSS) of a process in MiB, 0 when it cannot be read;
// pid 0 for this process.
inline double residentMiB(qint64 pid = 0) {
    QFile status(pid == 0 ? QStringLiteral("/proc/self/status")
                          : QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}
