#include "ctl/support/CtlRig.h"

#include "ctl/CtlProgram.h"
#include "support/WriteSettingsFile.h"

#include <QFile>
#include <QTextStream>

CtlRig::CtlRig(const QStringList& settingsLines) {
    orfa::test::writeSettingsFile(dir_.path(),
                                  orfa::test::overriddenBy(everythingOnLines(), settingsLines));
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
    QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
    return path;
}
