#include "config/SettingsLocation.h"

#include "config/ConfigLog.h"
#include "config/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orfa::config {

QString SettingsLocation::choose(const Facts& facts) {
    if (!facts.configDirVariable.isEmpty())
        return QDir::cleanPath(facts.configDirVariable);
    if (facts.fileBesideExecutable || facts.executableDirWritable)
        return QDir::cleanPath(facts.executableDir);
    return QDir::cleanPath(facts.userConfigDir + QStringLiteral("/orfa"));
}

SettingsLocation::Facts SettingsLocation::probe(const QString& configDirVariable,
                                                const QString& executableDir,
                                                const QString& userConfigDir) {
    Facts facts;
    facts.configDirVariable = configDirVariable;
    facts.executableDir = executableDir;
    facts.userConfigDir = userConfigDir;
    facts.fileBesideExecutable =
        QFileInfo::exists(QDir(executableDir).filePath(SettingsFile::fileName()));
    const QFileInfo dir(executableDir);
    facts.executableDirWritable =
        dir.isDir() && dir.isWritable() && !isSystemDirectory(executableDir);
    return facts;
}

bool SettingsLocation::isSystemDirectory(const QString& directory) {
    const QString path = QDir::cleanPath(directory) + QLatin1Char('/');
    for (const char* prefix : {"/usr/", "/bin/", "/sbin/"}) {
        if (path.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

QString SettingsLocation::directory() {
    const Facts facts =
        probe(qEnvironmentVariable("ORFA_CONFIG_DIR"), QCoreApplication::applicationDirPath(),
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    QString chosen = choose(facts);
    // A directory that cannot be made shows up as a refused write later; reads work anyway.
    if (!QDir().mkpath(chosen))
        qCWarning(lcConfig) << "cannot create settings directory" << chosen;
    qCDebug(lcConfig) << "settings directory" << chosen;
    return chosen;
}

} // namespace orfa::config
