#include "config/IniEncoding.h"

#include "config/ConfigLog.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace orfa::config {

namespace {

constexpr auto windows1250 = "windows-1250";

// Qt reaches the code page through ICU; a Qt built without it has no converter.
bool haveWindows1250() {
    static const bool available = [] {
        const bool valid = QStringDecoder(windows1250).isValid();
        if (!valid)
            qCCritical(lcConfig) << "Qt has no windows-1250 converter (built without ICU): "
                                    "Windows-1250 texts cannot be read or written";
        return valid;
    }();
    return available;
}

// Without a converter only ASCII is certain: every other byte becomes U+FFFD, so a name
// is visibly unreadable instead of plausibly wrong (as Latin-1 would make it).
QString decodeAsciiOnly(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(static_cast<unsigned char>(byte) < 0x80 ? QChar(QLatin1Char(byte))
                                                            : QChar(QChar::ReplacementCharacter));
    return text;
}

} // namespace

bool windows1250Available() {
    return haveWindows1250();
}

IniEncoding detectIniEncoding(const QByteArray& bytes) {
    // Stateless: a sequence cut off at the end counts as an error instead of waiting for
    // more input.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = utf8.decode(bytes);
    Q_UNUSED(ignored);
    return utf8.hasError() ? IniEncoding::Windows1250 : IniEncoding::Utf8;
}

QString decodeIni(const QByteArray& bytes, IniEncoding encoding) {
    if (encoding == IniEncoding::Utf8) {
        // The byte order mark is the caller's business: a second one at the start
        // of the text is a character of the first line and must survive a rewrite.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom);
        return utf8.decode(bytes);
    }
    if (!haveWindows1250())
        return decodeAsciiOnly(bytes);
    QStringDecoder cp(windows1250, QStringDecoder::Flag::Stateless);
    return cp.decode(bytes);
}

std::optional<QByteArray> encodeIni(const QString& text, IniEncoding encoding) {
    if (encoding == IniEncoding::Utf8) {
        // UTF-8 carries every character; only a broken UTF-16 string (an unpaired
        // surrogate) loses that one unit to U+FFFD.
        QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
        return QByteArray(utf8.encode(text));
    }
    if (!haveWindows1250()) {
        for (const QChar c : text) {
            if (c.unicode() >= 0x80)
                return std::nullopt;
        }
        return text.toLatin1();
    }
    QStringEncoder cp(windows1250, QStringEncoder::Flag::Stateless);
    QByteArray bytes = cp.encode(text);
    if (cp.hasError())
        return std::nullopt;
    return bytes;
}

} // namespace orfa::config
