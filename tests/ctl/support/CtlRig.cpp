#include "ctl/support/CtlRig.h"

#include "ctl/CtlProgram.h"
#include "support/WriteSettingsFile.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>

CtlRig::CtlRig(const QStringList& settingsLines) {
    if (!sim_.listen())
        qFatal("the simulator cannot listen on 127.0.0.1");
    QStringList lines{QStringLiteral("IPZesE=127.0.0.1"),
                      QStringLiteral("PortZesE=%1").arg(sim_.port())};
    for (int i = 1; i <= 10; ++i)
        lines << QStringLiteral("Vstup%1En=1").arg(i);
    for (int j = 1; j <= 16; ++j)
        lines << QStringLiteral("Vystup%1En=1").arg(j);
    // A key of settingsLines replaces the default one.
    lines.removeIf([&settingsLines](const QString& line) {
        const QString key = line.section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
        return std::any_of(settingsLines.begin(), settingsLines.end(),
                           [&key](const QString& given) { return given.startsWith(key); });
    });
    orfa::test::writeSettingsFile(dir_.path(), lines + settingsLines);
}

int CtlRig::run(const QStringList& arguments) {
    out_.clear();
    err_.clear();
    QTextStream out(&out_);
    QTextStream err(&err_);
    orfa::ctl::Console console{out, err};
    return orfa::ctl::runOrfactl(arguments, dir_.path(), console, [this] { return password_; });
}

QString CtlRig::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
    return path;
}
