#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The Central European code page of every 8-bit text the central database and the
// stored passwords hold.
namespace orfa::config::win1250 {

// The text's bytes, or nothing when a character has no place in the code page (it
// would otherwise be stored as '?' and come back different).
std::optional<QByteArray> encode(const QString& text);

// Every byte string decodes; bytes the code page leaves undefined come back as the C1
// control characters of the same value, so encode(decode(b)) gives b again.
QString decode(const QByteArray& bytes);

} // namespace orfa::config::win1250
