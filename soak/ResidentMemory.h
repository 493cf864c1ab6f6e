#pragma once

#include <QFile>
#include <QString>

// A memory figure of a process's /proc status in MiB ("VmRSS:" now, "VmHWM:" the
// peak), 0 when it cannot be read; pid 0 for this process.
inline double statusMiB(const char* field, qint64 pid = 0) {
    QFile status(pid == 0 ? QStringLiteral("/proc/self/status")
                          : QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key(field);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// The resident memory (VmRSS) of a process in MiB.
inline double residentMiB(qint64 pid = 0) {
    return statusMiB("VmRSS:", pid);
}

// The peak resident memory (VmHWM) of a process in MiB.
inline double peakResidentMiB(qint64 pid = 0) {
    return statusMiB("VmHWM:", pid);
}
