#pragma once

#include <QString>
#include <QStringView>

namespace orfa::config {

// What one line of an INI file means. Every line keeps its text; only section headers
// and "key=value" entries take part in look-ups, everything else (blank lines, comments
// starting with ';' or '#', lines the parser does not understand) is carried along.
class IniLine {
public:
    enum class Kind { Other, Section, Entry };

    // Classifies a line given without its line terminator.
    static IniLine parse(QStringView text);

    // Blanks that surround keys, values and section names and are not part of them.
    static bool isBlank(QChar c);
    // Text without leading and trailing blanks.
    static QStringView stripped(QStringView text);

    // Names a file can hold and give back: not empty, no blanks around them (they would
    // be stripped on reading), no line break, and nothing that makes the line mean
    // something else ('=' in a key, ']' in a section name, a key that looks like a
    // section header or a comment).
    static bool isWritableKey(QStringView key);
    static bool isWritableSection(QStringView section);

    Kind kind() const { return kind_; }
    // The section name or the key, without surrounding blanks.
    const QString& name() const { return name_; }
    // For an entry: where its value starts in the line (after '=' and any blanks), so
    // that a rewrite keeps the key's spelling and spacing.
    qsizetype valueStart() const { return valueStart_; }
    // For an entry: the value without surrounding blanks.
    const QString& value() const { return value_; }

private:
    Kind kind_ = Kind::Other;
    QString name_;
    QString value_;
    qsizetype valueStart_ = 0;
};

} // namespace orfa::config
