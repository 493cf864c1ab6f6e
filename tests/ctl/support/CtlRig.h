#pragma once

#include "support/SimulatorRig.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// orfactl against the simulator on loopback: a settings directory of its own
// that names the simulator's port and enables every input and output, and
// runOrfactl() called as main() calls it.
class CtlRig : public orfa::test::SimulatorRig {
public:
    // settingsLines: extra lines of section [Orfa].
    explicit CtlRig(const QStringList& settingsLines = {});

    QString configDir() const { return dir_.path(); }

    // The password the prompt would give; none when unset.
    void setPassword(const QString& password) { password_ = password; }
    // Runs one command; out and err receive what it printed.
    int run(const QStringList& arguments);
    const QString& out() const { return out_; }
    const QString& err() const { return err_; }

    // Writes a file in the settings directory and returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
    std::optional<QString> password_;
    QString out_;
    QString err_;
};
