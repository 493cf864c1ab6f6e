#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace orfa::config::test {

// A fresh directory for one test, with helpers to put raw bytes into its settings file
// and look at them, so that tests see exactly what is on disk.
class ScratchDir {
public:
    ScratchDir();

    QString dir() const { return temp_.path(); }
    // The settings file in dir().
    QString iniPath() const;
    void putIni(const QByteArray& bytes) const;
    // The settings file's bytes; empty when it does not exist.
    QByteArray iniBytes() const;
    // Names of everything in dir(), to spot temporary files left behind.
    QStringList entries() const;

private:
    QTemporaryDir temp_;
};

} // namespace orfa::config::test
