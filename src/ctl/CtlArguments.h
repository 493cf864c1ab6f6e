#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace orfa::ctl {

// The command line of orfactl: options anywhere, then the command and its
// words. A word that looks like a negative number ("-10") is a word, not an
// option, so that "master -10" needs no "--".
struct CtlArguments {
    QString amp;          // --amp HOST:PORT, empty: from the settings
    QString user;         // --user NAME
    QStringList only;     // --only power,master,outputs,inputs (snapshot restore)
    int timeoutMs = 5000; // --timeout SECONDS: how long to wait for the amplifier
    bool json = false;
    bool noGroup = false;
    bool help = false;
    bool version = false;
    QStringList words; // the command and its arguments
};

// The parsed arguments (without the program name), or the reason they are
// not usable in error.
std::optional<CtlArguments> parseArguments(const QStringList& arguments, QString& error);

// The text of --help.
QString usageText();

} // namespace orfa::ctl
