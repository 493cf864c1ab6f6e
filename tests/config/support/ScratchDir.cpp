#include "config/support/ScratchDir.h"

#include "config/SettingsFile.h"

#include <QDir>
#include <QFile>

namespace orfa::config::test {

ScratchDir::ScratchDir() {
    if (!temp_.isValid())
        qFatal("cannot create a temporary directory");
}

QString ScratchDir::iniPath() const {
    return QDir(dir()).filePath(SettingsFile::fileName());
}

void ScratchDir::putIni(const QByteArray& bytes) const {
    QFile file(iniPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test settings file");
}

QByteArray ScratchDir::iniBytes() const {
    QFile file(iniPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList ScratchDir::entries() const {
    return QDir(dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                 QDir::NoDotAndDotDot);
}

} // namespace orfa::config::test
