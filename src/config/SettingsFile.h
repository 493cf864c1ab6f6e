#pragma once

#include "config/IniFileView.h"

#include <QString>

#include <optional>

namespace orfa::config {

// The program's settings file, "Orfa.ini". One object serves the
// whole run; it works on one section, "Orfa" unless told otherwise.
//
// Reads never fail: a missing file, key or section, or a file that cannot be read, gives
// the default. Every read sees the file as it is on disk now, including edits made by
// another process. Every write reaches the disk at once and atomically: the new contents
// go to a temporary file in the same directory, which then replaces the file, so the file
// is never half written. A write keeps everything it does not change (other sections,
// unknown keys, comments, blank lines, line order and endings) and the file's encoding,
// except that a Windows-1250 file becomes UTF-8 when it must hold a character outside its
// code page or when its bytes would otherwise read as UTF-8. A new file is UTF-8 and
// readable and writable by its owner only, since it holds the database password. Key names
// match without regard to case.
class SettingsFile {
public:
    // Values read back as text are cut to this many characters.
    static constexpr qsizetype maxTextLength = 2047;

    static QString fileName() { return QStringLiteral("Orfa.ini"); }
    static QString defaultSection() { return QStringLiteral("Orfa"); }

    // The file fileName() in directory. Nothing is read or created yet.
    explicit SettingsFile(const QString& directory, QString section = defaultSection());
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    const QString& filePath() const { return path_; }

    // False when the file is in Windows-1250 and this Qt cannot convert it: its non-ASCII
    // characters then read as U+FFFD and every write is refused, so nothing misread is
    // ever stored.
    bool encodingSupported() const;
    const QString& section() const { return section_; }

    // The value as stored, without surrounding blanks, at most maxTextLength characters.
    QString readText(const QString& key, const QString& defaultValue = QString()) const;
    // Decimal, or hexadecimal after "0x"/"0X"; the default for a missing key or a value
    // that is not a 32-bit number.
    int readInteger(const QString& key, int defaultValue = 0) const;
    // Read as an integer: on when it is not 0; the default for a missing key or a
    // non-number.
    bool readFlag(const QString& key, bool defaultValue = false) const;

    // Stores value as it is. A line break in value would start a new line of the file (and
    // could forge another key), so each CR and LF is stored as a space. Throws
    // SettingsWriteError when the write is refused; the file then stays as it was.
    void writeText(const QString& key, const QString& value);
    // Stores the value in decimal. Throws SettingsWriteError as writeText().
    void writeInteger(const QString& key, int value);
    // Stores "1" or "0". Throws SettingsWriteError as writeText().
    void writeFlag(const QString& key, bool value);

private:
    std::optional<QString> storedText(const QString& key) const;
    void write(const QString& key, const QString& value);
    void replaceFile(const QByteArray& bytes) const;

    QString path_;
    QString section_;
    // Reads are logically const; looking at the disk updates the view.
    mutable IniFileView view_;
};

} // namespace orfa::config
