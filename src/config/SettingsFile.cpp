#include "config/SettingsFile.h"

#include "config/AtomicFile.h"
#include "config/ConfigLog.h"
#include "config/IniNumber.h"
#include "config/SettingsWriteError.h"

#include <QDir>

namespace orfa::config {

SettingsFile::SettingsFile(const QString& directory, QString section)
    : path_(QDir(directory).filePath(fileName()))
    , section_(std::move(section))
    , view_(path_) {}

bool SettingsFile::encodingSupported() const {
    view_.refresh();
    return view_.document().encoding() != IniEncoding::Windows1250 || windows1250Available();
}

std::optional<QString> SettingsFile::storedText(const QString& key) const {
    view_.refresh();
    std::optional<QString> value = view_.document().value(section_, key);
    if (!value || value->size() <= maxTextLength)
        return value;
    qsizetype length = maxTextLength;
    // Never end on the first half of a surrogate pair.
    if (value->at(length - 1).isHighSurrogate())
        --length;
    return value->first(length);
}

QString SettingsFile::readText(const QString& key, const QString& defaultValue) const {
    return storedText(key).value_or(defaultValue);
}

int SettingsFile::readInteger(const QString& key, int defaultValue) const {
    const std::optional<QString> text = storedText(key);
    if (!text)
        return defaultValue;
    return IniNumber::parseInteger(*text).value_or(defaultValue);
}

bool SettingsFile::readFlag(const QString& key, bool defaultValue) const {
    return readInteger(key, defaultValue ? 1 : 0) != 0;
}

void SettingsFile::writeText(const QString& key, const QString& value) {
    QString oneLine = value;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
    write(key, oneLine);
}

void SettingsFile::writeInteger(const QString& key, int value) {
    write(key, QString::number(value));
}

void SettingsFile::writeFlag(const QString& key, bool value) {
    write(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsFile::write(const QString& key, const QString& value) {
    if (!IniLine::isWritableKey(key) || !IniLine::isWritableSection(section_))
        throw SettingsWriteError(path_, QStringLiteral("unusable key name \"%1\" in section "
                                                       "\"%2\"")
                                            .arg(key, section_));
    // Work on the file as it is now, so that a change made meanwhile by another process is
    // kept, not overwritten with what was read earlier.
    view_.refresh();
    if (!view_.isReadable())
        throw SettingsWriteError(path_, QStringLiteral("the existing file cannot be read"));
    if (!encodingSupported())
        throw SettingsWriteError(path_, QStringLiteral("the file is in Windows-1250, which this "
                                                       "Qt cannot convert (built without ICU)"));

    IniDocument next = view_.document();
    if (!next.setValue(section_, key, value))
        return;
    QByteArray bytes = next.toBytes();
    replaceFile(bytes);
    qCDebug(lcConfig) << "settings file" << path_ << "written:" << key;
    view_.adopt(std::move(next), std::move(bytes));
}

void SettingsFile::replaceFile(const QByteArray& bytes) const {
    // Owner only: the file holds the database password.
    if (const std::optional<QString> error = AtomicFile::replace(path_, bytes, 0600))
        throw SettingsWriteError(path_, *error);
}

} // namespace orfa::config
