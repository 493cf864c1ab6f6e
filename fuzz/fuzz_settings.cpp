// The settings file on arbitrary contents. The input is the file, optionally
// followed by a NUL and a write instruction "key=value" in UTF-8 (without
// '=' the text is the value of a known key; an empty key also picks a known
// key). Reads of known and unknown keys must agree with the parsed document;
// the write must give back what was written, change only the text of its own
// line and never throw anything but SettingsWriteError, which a known key
// never meets and which leaves the file as it was.
#include "FuzzCheck.h"
#include "config/IniDocument.h"
#include "config/IniEncoding.h"
#include "config/IniLine.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"
#include "config/SettingsWriteError.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

using namespace orfa::config;
using orfa::fuzz::require;

namespace {

// One directory for the whole run, removed when the fuzzer exits normally.
std::unique_ptr<QTemporaryDir> scratch;

const QStringList& knownKeys() {
    static const QStringList list{
        keys::DBChb,        keys::DBIPE,          keys::DBHesloE,    keys::IPZesE,
        keys::PortZesE,     keys::VstupyRG,       keys::LoginChb,    keys::ProdlevaE,
        keys::inputName(1), keys::outputName(16), keys::userName(1), keys::maxUserId(),
        keys::radioName(9), keys::groupCount(1),  keys::LastLogin,   keys::Verze,
    };
    return list;
}

struct Instruction {
    QString key;
    QString value;
};

// Splits the input at its last NUL into file contents and a write instruction.
Instruction splitInput(const QByteArray& input, QByteArray& contents) {
    const qsizetype nul = input.lastIndexOf('\0');
    contents = nul < 0 ? input : input.first(nul);
    const QString command = nul < 0 ? QString() : QString::fromUtf8(input.sliced(nul + 1));
    const QString known = knownKeys()[static_cast<qsizetype>(contents.size()) % knownKeys().size()];
    const qsizetype equals = command.indexOf(u'=');
    if (equals < 0)
        return {known, command};
    const QString key = command.first(equals);
    return {key.isEmpty() ? known : key, command.sliced(equals + 1)};
}

// What readText() gives for a stored value: without surrounding blanks, cut
// to the longest text, never after the first half of a surrogate pair.
QString asRead(const QString& value) {
    QString text = IniLine::stripped(value).toString();
    if (text.size() <= SettingsFile::maxTextLength)
        return text;
    qsizetype length = SettingsFile::maxTextLength;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.first(length);
}

QString fileText(const QByteArray& bytes) {
    return decodeIni(bytes, detectIniEncoding(bytes));
}

// True when after differs from before in one stretch that holds no line break
// of before: one value was rewritten or lines were inserted, and every other
// character of the file came back as it was.
bool changedInOnePlace(const QString& before, const QString& after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return !QStringView(before).sliced(prefix, before.size() - prefix - suffix).contains(u'\n');
}

QByteArray diskBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Dates the file back as an old settings file is: a file changed within the
// last moment is read again at every look, which would make every read of a
// run load the file anew.
void backdate(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        file.setFileTime(QDateTime::fromSecsSinceEpoch(946684800),
                         QFileDevice::FileModificationTime);
}

void putFile(const QString& path, const QByteArray& contents) {
    QFile::remove(path);
    if (contents.isEmpty())
        return; // an empty input stands for a missing file
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size(),
            "the scratch file can be written");
    file.close();
    backdate(path);
}

// Every read agrees with the document parsed from the same bytes.
void checkReads(const SettingsFile& file, const IniDocument& document, const QStringList& names) {
    for (const QString& key : names) {
        const std::optional<QString> stored = document.value(SettingsFile::defaultSection(), key);
        const QString text = file.readText(key, QStringLiteral("-"));
        require(text == (stored ? asRead(*stored) : QStringLiteral("-")),
                "a read gives the stored value or the default");
        require(!text.contains(u'\n'), "a value never spans lines");
        const int number = file.readInteger(key, -7);
        require(stored || number == -7, "a missing key reads as the default number");
        require(file.readFlag(key, true) == (file.readInteger(key, 1) != 0),
                "a flag is a number that is not 0");
    }
}

// The values of the known keys other than except, as bytes of a file hold them.
std::vector<std::optional<QString>> otherValues(const QByteArray& bytes, const QString& except) {
    const IniDocument document = IniDocument::fromBytes(bytes);
    std::vector<std::optional<QString>> values;
    for (const QString& key : knownKeys()) {
        if (key.compare(except, Qt::CaseInsensitive) != 0)
            values.push_back(document.value(SettingsFile::defaultSection(), key));
    }
    return values;
}

// The file is checked through the parsed document of its bytes: a SettingsFile
// that reads a file changed within the last moment loads it anew at every look.
void checkWrites(SettingsFile& file, const Instruction& write) {
    const QByteArray before = diskBytes(file.filePath());
    try {
        file.writeText(write.key, write.value);
    } catch (const SettingsWriteError&) {
        require(!knownKeys().contains(write.key), "a known key is always written");
        require(diskBytes(file.filePath()) == before, "a refused write leaves the file");
        return;
    }

    QString oneLine = write.value;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
    const QByteArray written = diskBytes(file.filePath());
    const std::optional<QString> stored =
        IniDocument::fromBytes(written).value(SettingsFile::defaultSection(), write.key);
    require(stored && asRead(*stored) == asRead(oneLine) &&
                file.readText(write.key) == asRead(oneLine),
            "a written value reads back");
    require(otherValues(written, write.key) == otherValues(before, write.key),
            "writing one key leaves the others");
    require(changedInOnePlace(fileText(before), fileText(written)),
            "a write changes only the text of its own line");

    file.writeText(write.key, write.value);
    require(diskBytes(file.filePath()) == written, "writing the same value again changes nothing");

    const int number = static_cast<int>(qHash(write.value));
    file.writeInteger(write.key, number);
    require(IniDocument::fromBytes(diskBytes(file.filePath()))
                    .value(SettingsFile::defaultSection(), write.key) == QString::number(number),
            "a number is stored in decimal");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The settings code warns about unreadable files; the fuzzer makes plenty.
    QLoggingCategory::setFilterRules(QStringLiteral("orfa.*=false"));
    scratch = std::make_unique<QTemporaryDir>();
    require(scratch->isValid(), "a scratch directory can be created");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QByteArray contents;
    const Instruction write = splitInput(input, contents);

    SettingsFile file(scratch->path());
    putFile(file.filePath(), contents);
    QStringList names = knownKeys();
    names.append(write.key);
    checkReads(file, IniDocument::fromBytes(contents), names);
    checkWrites(file, write);
    return 0;
}
