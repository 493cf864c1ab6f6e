// The cipher module: CAST-256 in CFB mode with 8-bit feedback and Base64 twice, with
// Crypto++. See users/PasswordCipher.h for the stored form.
#include "users/cipher/CipherModuleApi.h"

#include <cryptopp/base64.h>
#include <cryptopp/cast.h>
#include <cryptopp/filters.h>
#include <cryptopp/modes.h>
#include <cryptopp/secblock.h>
#include <cryptopp/sha.h>

#include <algorithm>
#include <optional>

namespace {

using CryptoPP::byte;
using Bytes = CryptoPP::SecByteBlock;

constexpr std::size_t kBlock = CryptoPP::CAST256::BLOCKSIZE;
constexpr byte kWipe = 0xFF;

Bytes toBytes(const std::string& data) {
    return Bytes(reinterpret_cast<const byte*>(data.data()), data.size());
}

void wipe(Bytes& bytes) {
    std::fill(bytes.begin(), bytes.end(), kWipe);
}

void wipe(std::string& bytes) {
    std::fill(bytes.begin(), bytes.end(), static_cast<char>(kWipe));
}

// Key and IV of the cipher for a key text, wiped when they go.
struct KeyMaterial {
    Bytes key{CryptoPP::SHA1::DIGESTSIZE};
    Bytes iv{kBlock};

    explicit KeyMaterial(const std::string& keyText) {
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

extern "C" {

__attribute__((visibility("default"))) bool orfa_cipher_encrypt(const std::string& keyText,
                                                                const std::string& plain,
                                                                std::string& stored,
                                                                std::string& error) {
    try {
        const KeyMaterial material(keyText);
        Bytes input = toBytes(plain);
        Bytes cipher = runCfb8<CryptoPP::CFB_Mode<CryptoPP::CAST256>::Encryption>(material, input);
        wipe(input);
        std::string once = base64(cipher.data(), cipher.size());
        stored = base64(reinterpret_cast<const byte*>(once.data()), once.size());
        wipe(once);
        return true;
    } catch (const CryptoPP::Exception& failure) {
        error = failure.what();
        return false;
    }
}

__attribute__((visibility("default"))) bool orfa_cipher_decrypt(const std::string& keyText,
                                                                const std::string& stored,
                                                                std::string& plain,
                                                                std::string& error) {
    try {
        std::optional<std::string> once = fromBase64(stored);
        if (!once)
            return false;
        const std::optional<std::string> cipherText = fromBase64(*once);
        wipe(*once);
        if (!cipherText)
            return false;
        const KeyMaterial material(keyText);
        const Bytes cipher = toBytes(*cipherText);
        Bytes bytes = runCfb8<CryptoPP::CFB_Mode<CryptoPP::CAST256>::Decryption>(material, cipher);
        plain.assign(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        wipe(bytes);
        return true;
    } catch (const CryptoPP::Exception& failure) {
        error = failure.what();
        return false;
    }
}

} // extern "C"
