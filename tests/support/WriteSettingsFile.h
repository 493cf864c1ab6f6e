#pragma once

// Header only, so that the tests of every area can prepare a settings file.

#include <QFile>
#include <QStringList>
#include <QtGlobal>

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

} // namespace orfa::test
