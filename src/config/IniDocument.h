#pragma once

#include "config/IniEncoding.h"
#include "config/IniLine.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace orfa::config {

// The lines of an INI file, kept so that a change touches only the line of its key:
// other sections, unknown keys, comments, blank lines, junk, line endings, a UTF-8 byte
// order mark and the order of lines all come back out of toBytes() as they went in.
//
// Section and key names match without regard to case. When a name occurs more than once
// (a damaged or hand-merged file), the first occurrence in the file counts, both for
// reading and for writing, so a value written is the value read back.
class IniDocument {
public:
    // An empty document; it becomes a UTF-8 file.
    IniDocument() = default;

    // Parses file contents of any kind; never fails.
    static IniDocument fromBytes(const QByteArray& bytes);
    // The file contents, in the document's encoding; UTF-8 instead when Windows-1250 bytes
    // would be taken for UTF-8 on reading.
    QByteArray toBytes() const;

    IniEncoding encoding() const { return encoding_; }

    // The value of key in section, without surrounding blanks; nothing when absent.
    std::optional<QString> value(QStringView section, QStringView key) const;

    // Stores value under key in section: rewrites the key's line in place, or adds the
    // key after the last entry of the section, or adds the section at the end. A
    // Windows-1250 document that cannot carry the new text switches to UTF-8. The caller
    // guarantees names that can be written (see SettingsFile) and a value without line
    // breaks. Returns false when the document did not change.
    bool setValue(const QString& section, const QString& key, const QString& value);

private:
    struct Line {
        QString text;
        QString eol; // "\n", "\r\n", or empty for a last line without terminator
        IniLine parsed;
    };

    static Line makeLine(QString text, QString eol);
    std::optional<std::size_t> findEntry(QStringView section, QStringView key) const;
    std::optional<std::size_t> findSection(QStringView section) const;
    void insertLine(std::size_t index, QString text);
    // Puts value into the entry at index; false when that changes nothing.
    bool rewriteEntry(std::size_t index, const QString& value);
    // The last entry of the section whose header is at index header, or header itself.
    std::size_t lastEntryOf(std::size_t header) const;

    std::vector<Line> lines_;
    IniEncoding encoding_ = IniEncoding::Utf8;
    bool byteOrderMark_ = false;
    QString newline_ = QStringLiteral("\n");
};

} // namespace orfa::config
