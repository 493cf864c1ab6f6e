#pragma once

// Header only, so that the tests of every area can prepare a settings file.

#include <QFile>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>

namespace orfa::test {

// Writes <directory>/Orfa.ini: section [Orfa] with the given lines, as a
// settings file that existed before the program started.
inline void writeSettingsFile(const QString& directory, const QStringList& lines) {
    QFile file(directory + QStringLiteral("/Orfa.ini"));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the settings file");
    file.write(
        (QStringLiteral("[Orfa]\n") + lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

// The lines of an amplifier at 127.0.0.1:port.
inline QStringList loopbackAddressLines(quint16 port) {
    return {QStringLiteral("IPZesE=127.0.0.1"), QStringLiteral("PortZesE=%1").arg(port)};
}

// The lines that switch every input and output on.
inline QStringList everyInputAndOutputOnLines() {
    QStringList lines;
    for (int i = 1; i <= 10; ++i)
        lines << QStringLiteral("Vstup%1En=1").arg(i);
    for (int j = 1; j <= 16; ++j)
        lines << QStringLiteral("Vystup%1En=1").arg(j);
    return lines;
}

// The lines of an amplifier at 127.0.0.1:port with every input and output
// switched on.
inline QStringList loopbackAmplifierLines(quint16 port) {
    return loopbackAddressLines(port) + everyInputAndOutputOnLines();
}

// defaults, without those whose key one of lines gives, followed by lines.
inline QStringList overriddenBy(QStringList defaults, const QStringList& lines) {
    defaults.removeIf([&lines](const QString& line) {
        const QString key = line.section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
        return std::any_of(lines.begin(), lines.end(),
                           [&key](const QString& given) { return given.startsWith(key); });
    });
    return defaults + lines;
}

} // namespace orfa::test
