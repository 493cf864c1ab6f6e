#include "users/PasswordCipher.h"

#include "config/Win1250.h"
#include "users/CipherLog.h"
#include "users/CipherModule.h"

#include <algorithm>
#include <optional>
#include <string>

namespace orfa::users {
namespace {

constexpr char kWipe = static_cast<char>(0xFF);

std::string toStd(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

template <typename Text> void wipe(Text& bytes) {
    std::fill(bytes.begin(), bytes.end(), kWipe);
}

} // namespace

bool canEncrypt(const QString& password) {
    return config::win1250::encode(password).has_value();
}

QString encryptPassword(const QString& password, const QString& key) {
    if (password.isEmpty())
        return QString();
    std::optional<QByteArray> plain = config::win1250::encode(password);
    const std::optional<QByteArray> keyText = config::win1250::encode(key);
    const CipherModule* module = cipherModule();
    if (!plain || !keyText || !module)
        return QString();
    std::string input = toStd(*plain);
    wipe(*plain);
    std::string stored;
    std::string error;
    const bool done = module->encrypt(toStd(*keyText), input, stored, error);
    wipe(input);
    if (!done) {
        qCWarning(lcCipher) << "cannot encrypt a password:" << error.c_str();
        return QString();
    }
    return QString::fromLatin1(stored.data(), static_cast<qsizetype>(stored.size()));
}

QString decryptPassword(const QString& stored, const QString& key) {
    const std::optional<QByteArray> keyText = config::win1250::encode(key);
    if (stored.isEmpty() || !keyText)
        return QString();
    for (const QChar c : stored) {
        if (c.unicode() > 0x7F)
            return QString();
    }
    const CipherModule* module = cipherModule();
    if (!module)
        return QString();
    std::string plain;
    std::string error;
    if (!module->decrypt(toStd(*keyText), stored.toStdString(), plain, error)) {
        if (!error.empty())
            qCWarning(lcCipher) << "cannot decrypt a password:" << error.c_str();
        return QString();
    }
    QString password =
        config::win1250::decode(QByteArray(plain.data(), static_cast<qsizetype>(plain.size())));
    wipe(plain);
    return password;
}

qsizetype longestPassword(qsizetype storedLimit) {
    // Base64 turns every complete group of 3 bytes into 4 characters, twice.
    const qsizetype onceEncoded = 3 * (storedLimit / 4);
    return 3 * (onceEncoded / 4);
}

} // namespace orfa::users
