#include "users/PasswordCipher.h"

#include "config/Win1250.h"

#include <cryptopp/base64.h>
#include <cryptopp/cast.h>
#include <cryptopp/filters.h>
#include <cryptopp/modes.h>
#include <cryptopp/secblock.h>
#include <cryptopp/sha.h>

#include <QLoggingCategory>

#include <algorithm>
#include <optional>
#include <string>

namespace orfa::users {
namespace {

Q_LOGGING_CATEGORY(lcCipher, "orfa.users.cipher", QtWarningMsg)

using CryptoPP::byte;
using Bytes = CryptoPP::SecByteBlock;

constexpr std::size_t kBlock = CryptoPP::CAST256::BLOCKSIZE;
constexpr byte kWipe = 0xFF;

Bytes toBytes(const QByteArray& data) {
    return Bytes(reinterpret_cast<const byte*>(data.constData()),
                 static_cast<std::size_t>(data.size()));
}

void wipe(Bytes& bytes) {
    std::fill(bytes.begin(), bytes.end(), kWipe);
}

void wipe(QByteArray& bytes) {
    std::fill(bytes.begin(), bytes.end(), static_cast<char>(kWipe));
}

// Key and IV of the cipher for a key text. Wiped by the caller.
struct KeyMaterial {
    Bytes key{CryptoPP::SHA1::DIGESTSIZE};
    Bytes iv{kBlock};

    explicit KeyMaterial(const QByteArray& keyText) {
        Bytes text = toBytes(keyText);
        CryptoPP::SHA1().CalculateDigest(key.data(), text.data(), text.size());
        wipe(text);
        CryptoPP::CAST256::Encryption block(key.data(), key.size());
        Bytes zero(kBlock); // SecByteBlock leaves its bytes uninitialised
        std::fill(zero.begin(), zero.end(), byte{0});
        block.ProcessBlock(zero.data(), iv.data());
        // Leave no schedule of the real key behind in the object.
        Bytes spent(key.size());
        wipe(spent);
        block.SetKey(spent.data(), spent.size());
    }
    ~KeyMaterial() {
        wipe(key);
        wipe(iv);
    }
    KeyMaterial(const KeyMaterial&) = delete;
    KeyMaterial& operator=(const KeyMaterial&) = delete;
};

// CFB with one byte of feedback; the mode object's schedule and shift register are
// overwritten before it goes.
template <typename Mode> Bytes runCfb8(const KeyMaterial& material, const Bytes& input) {
    Mode mode(material.key.data(), material.key.size(), material.iv.data(), 1);
    Bytes output(input.size());
    if (!input.empty())
        mode.ProcessData(output.data(), input.data(), input.size());
    Bytes spent(material.key.size());
    wipe(spent);
    Bytes spentIv(kBlock);
    wipe(spentIv);
    mode.SetKeyWithIV(spent.data(), spent.size(), spentIv.data(), spentIv.size());
    return output;
}

std::string base64(const byte* data, std::size_t size) {
    std::string text;
    CryptoPP::StringSource source(
        data, size, true, new CryptoPP::Base64Encoder(new CryptoPP::StringSink(text), false));
    return text;
}

bool isBase64Letter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '/';
}

// The complete groups of four at the start of text, decoded; nothing when one of them
// is not Base64 ('=' only as the padding of the last group).
std::optional<std::string> fromBase64(const std::string& text) {
    const std::size_t used = text.size() / 4 * 4;
    for (std::size_t i = 0; i < used; ++i) {
        const char c = text[i];
        if (isBase64Letter(c))
            continue;
        const bool lastGroup = i >= used - 4;
        const std::size_t inGroup = i % 4;
        const bool padding =
            c == '=' && lastGroup && (inGroup == 3 || (inGroup == 2 && text[used - 1] == '='));
        if (!padding)
            return std::nullopt;
    }
    std::string bytes;
    CryptoPP::StringSource source(reinterpret_cast<const byte*>(text.data()), used, true,
                                  new CryptoPP::Base64Decoder(new CryptoPP::StringSink(bytes)));
    return bytes;
}

} // namespace

bool canEncrypt(const QString& password) {
    return config::win1250::encode(password).has_value();
}

QString Encrypt(const QString& password, const QString& key) {
    if (password.isEmpty())
        return QString();
    std::optional<QByteArray> plain = config::win1250::encode(password);
    const std::optional<QByteArray> keyText = config::win1250::encode(key);
    if (!plain || !keyText)
        return QString();
    try {
        const KeyMaterial material(*keyText);
        Bytes input = toBytes(*plain);
        wipe(*plain);
        Bytes cipher = runCfb8<CryptoPP::CFB_Mode<CryptoPP::CAST256>::Encryption>(material, input);
        wipe(input);
        const std::string once = base64(cipher.data(), cipher.size());
        const std::string twice = base64(reinterpret_cast<const byte*>(once.data()), once.size());
        return QString::fromLatin1(twice.data(), static_cast<qsizetype>(twice.size()));
    } catch (const CryptoPP::Exception& error) {
        qCWarning(lcCipher) << "cannot encrypt a password:" << error.what();
        return QString();
    }
}

QString Decrypt(const QString& stored, const QString& key) {
    const std::optional<QByteArray> keyText = config::win1250::encode(key);
    if (stored.isEmpty() || !keyText)
        return QString();
    for (const QChar c : stored) {
        if (c.unicode() > 0x7F)
            return QString();
    }
    try {
        const std::optional<std::string> once = fromBase64(stored.toStdString());
        if (!once)
            return QString();
        const std::optional<std::string> cipherText = fromBase64(*once);
        if (!cipherText)
            return QString();
        const KeyMaterial material(*keyText);
        Bytes cipher(reinterpret_cast<const byte*>(cipherText->data()), cipherText->size());
        Bytes plain = runCfb8<CryptoPP::CFB_Mode<CryptoPP::CAST256>::Decryption>(material, cipher);
        QString password = config::win1250::decode(QByteArray(
            reinterpret_cast<const char*>(plain.data()), static_cast<qsizetype>(plain.size())));
        wipe(plain);
        return password;
    } catch (const CryptoPP::Exception& error) {
        qCWarning(lcCipher) << "cannot decrypt a password:" << error.what();
        return QString();
    }
}

qsizetype longestPassword(qsizetype storedLimit) {
    // Base64 turns every complete group of 3 bytes into 4 characters, twice.
    const qsizetype onceEncoded = 3 * (storedLimit / 4);
    return 3 * (onceEncoded / 4);
}

} // namespace orfa::users
