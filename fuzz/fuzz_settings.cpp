// The settings document on arbitrary file contents, in memory (the file round
// trip itself is the unit tests' business). The input is the file, optionally
// followed by a NUL and a write instruction "key=value" in UTF-8 (without '='
// the text is the value of a known key; an empty key also picks a known key).
// A document nobody changed gives its bytes back; reads agree with a parse of
// the written bytes; a write of a name the file can hold gives back what was
// written, changes only the text of its own line, keeps every other key, and
// changes nothing when repeated.
#include "FuzzCheck.h"
#include "config/IniDocument.h"
#include "config/IniEncoding.h"
#include "config/IniLine.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

using namespace orfa::config;
using orfa::fuzz::require;

namespace {

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

// What a read gives for a stored value: without surrounding blanks.
QString asRead(const QString& value) {
    return IniLine::stripped(value).toString();
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

const QString& section() {
    static const QString name = SettingsFile::defaultSection();
    return name;
}

// Every read of a parsed document gives one line's value without blanks around it.
void checkReads(const IniDocument& document, const QStringList& names) {
    for (const QString& key : names) {
        const std::optional<QString> stored = document.value(section(), key);
        require(!stored || (!stored->contains(u'\n') && asRead(*stored) == *stored),
                "a value is one line without surrounding blanks");
    }
}

// The values of the known keys other than except, as bytes of a file hold them.
std::vector<std::optional<QString>> otherValues(const QByteArray& bytes, const QString& except) {
    const IniDocument document = IniDocument::fromBytes(bytes);
    std::vector<std::optional<QString>> values;
    for (const QString& key : knownKeys()) {
        if (key.compare(except, Qt::CaseInsensitive) != 0)
            values.push_back(document.value(section(), key));
    }
    return values;
}

// Writes as the settings file does: names it can hold, line breaks as spaces.
void checkWrite(IniDocument document, const QByteArray& before, const Instruction& write) {
    if (!IniLine::isWritableKey(write.key))
        return; // refused before the document is touched
    QString oneLine = write.value;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
    document.setValue(section(), write.key, oneLine);
    const QByteArray written = document.toBytes();
    const IniDocument reread = IniDocument::fromBytes(written);
    require(reread.value(section(), write.key) == asRead(oneLine), "a written value reads back");
    require(otherValues(written, write.key) == otherValues(before, write.key),
            "writing one key leaves the others");
    require(changedInOnePlace(fileText(before), fileText(written)),
            "a write changes only the text of its own line");

    IniDocument again = reread;
    require(!again.setValue(section(), write.key, oneLine) && again.toBytes() == written,
            "writing the same value again changes nothing");

    const QString number = QString::number(static_cast<int>(qHash(write.value)));
    again.setValue(section(), write.key, number);
    require(IniDocument::fromBytes(again.toBytes()).value(section(), write.key) == number,
            "a number is stored in decimal");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The settings code warns about unreadable texts; the fuzzer makes plenty.
    QLoggingCategory::setFilterRules(QStringLiteral("orfa.*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QByteArray contents;
    const Instruction write = splitInput(input, contents);

    const IniDocument document = IniDocument::fromBytes(contents);
    require(document.toBytes() == contents || document.encoding() == IniEncoding::Windows1250,
            "a document nobody changed gives its bytes back");
    QStringList names = knownKeys();
    names.append(write.key);
    checkReads(document, names);
    checkWrite(document, contents, write);
    return 0;
}
