#pragma once

// The password cipher written out step by step from its definition, to check the
// program's cipher against and to make stored forms for test records: the raw CAST-256
// block cipher with a shift register done by hand, and Qt's Base64 rather than Crypto++'s.
// Header only, so that the tests of every area can use it.

#include <cryptopp/cast.h>
#include <cryptopp/sha.h>

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

#include <array>

namespace orfa::test {

inline QByteArray referenceCfb8(const QByteArray& input, const QByteArray& keyText, bool encrypt) {
    std::array<CryptoPP::byte, 20> key{};
    CryptoPP::SHA1().CalculateDigest(key.data(),
                                     reinterpret_cast<const CryptoPP::byte*>(keyText.data()),
                                     static_cast<std::size_t>(keyText.size()));
    CryptoPP::CAST256::Encryption block(key.data(), key.size());
    std::array<CryptoPP::byte, 16> shift{}; // zeros, then the IV
    block.ProcessBlock(shift.data());
    QByteArray output;
    for (const char c : input) {
        std::array<CryptoPP::byte, 16> stream{};
        block.ProcessBlock(shift.data(), stream.data());
        const auto in = static_cast<CryptoPP::byte>(c);
        const auto out = static_cast<CryptoPP::byte>(stream[0] ^ in);
        output.append(static_cast<char>(out));
        for (std::size_t i = 0; i + 1 < shift.size(); ++i)
            shift[i] = shift[i + 1];
        shift[15] = encrypt ? out : in; // the register always takes the cipher byte
    }
    return output;
}

// The stored form of a password (Windows-1250) under a key text.
inline QString referenceEncrypt(const QString& password, const QString& key) {
    QStringEncoder cp("windows-1250");
    const QByteArray plain = cp.encode(password);
    QStringEncoder cpKey("windows-1250");
    const QByteArray keyText = cpKey.encode(key);
    const QByteArray cipher = referenceCfb8(plain, keyText, true);
    return QString::fromLatin1(cipher.toBase64().toBase64());
}

// A password as the program stores it, under the program's own key.
inline QString storedPassword(const QString& password) {
    return referenceEncrypt(password, QStringLiteral("vbr4k71xqe"));
}

} // namespace orfa::test
