#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace orfa::config {

// Text encodings a settings file can have. Files of the earlier Windows program are in
// the Central European code page; everything this program creates is UTF-8.
enum class IniEncoding { Utf8, Windows1250 };

// Whether this Qt can convert Windows-1250 (it needs ICU). Without it, Windows-1250
// texts decode as ASCII with every other byte U+FFFD and only ASCII text encodes.
bool windows1250Available();

// UTF-8 when the bytes are valid UTF-8 (plain ASCII included), Windows-1250 otherwise.
// Every byte sequence is valid Windows-1250, so this never fails.
IniEncoding detectIniEncoding(const QByteArray& bytes);

// Decodes bytes of the given encoding. Windows-1250 decoding is lossless: bytes the code
// page leaves undefined come back as the C1 control characters of the same value.
QString decodeIni(const QByteArray& bytes, IniEncoding encoding);

// Encodes text, or nothing when the encoding cannot carry every character of it. UTF-8
// always succeeds.
std::optional<QByteArray> encodeIni(const QString& text, IniEncoding encoding);

} // namespace orfa::config
