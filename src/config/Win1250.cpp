#include "config/Win1250.h"

#include "config/IniEncoding.h"

namespace orfa::config::win1250 {

std::optional<QByteArray> encode(const QString& text) {
    return encodeIni(text, IniEncoding::Windows1250);
}

QString decode(const QByteArray& bytes) {
    return decodeIni(bytes, IniEncoding::Windows1250);
}

} // namespace orfa::config::win1250
