#pragma once

#include <QString>

namespace orfa::config {

// Where the settings file lives:
//  1. the directory named by the environment variable ORFA_CONFIG_DIR, when it is set and
//     not empty;
//  2. otherwise beside the executable, when the file already exists there or that
//     directory is writable and not a system directory (a copy unpacked into a folder of
//     its own);
//  3. otherwise "orfa" in the user's configuration directory ($XDG_CONFIG_HOME, by default
//     ~/.config), so that a program installed in a read-only directory still works.
class SettingsLocation {
public:
    // Everything the choice depends on, gathered by probe().
    struct Facts {
        QString configDirVariable; // value of ORFA_CONFIG_DIR, empty when unset
        QString executableDir;
        bool fileBesideExecutable = false;
        bool executableDirWritable = false;
        QString userConfigDir; // $XDG_CONFIG_HOME or its default
    };

    // The directory for these facts. Decides only; touches nothing.
    static QString choose(const Facts& facts);

    // Whether directory is where the system keeps programs (/usr, /bin, /sbin):
    // an installed program run by root must not put its settings there.
    static bool isSystemDirectory(const QString& directory);

    // Looks at the file system for the facts that choose() needs; a system
    // directory never counts as writable.
    static Facts probe(const QString& configDirVariable, const QString& executableDir,
                       const QString& userConfigDir);

    // The directory for this process (its environment and executable), created when it
    // does not exist yet. Needs a QCoreApplication.
    static QString directory();
};

} // namespace orfa::config
