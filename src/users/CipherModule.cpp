#include "users/CipherModule.h"

#include "users/CipherLog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include <optional>

namespace orfa::users {
namespace {

QStringList candidates() {
    QStringList paths;
    if (QCoreApplication::instance())
        paths << QCoreApplication::applicationDirPath() +
                     QStringLiteral("/" ORFA_CIPHER_MODULE_FROM_BINDIR);
    paths << QStringLiteral(ORFA_CIPHER_MODULE_BUILT);
    return paths;
}

std::optional<CipherModule> load() {
    QStringList failures;
    for (const QString& path : candidates()) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path); // stays loaded: nothing unloads it
        CipherModule module;
        module.encrypt =
            reinterpret_cast<cipher::EncryptFunction>(library.resolve(cipher::kEncryptSymbol));
        module.decrypt =
            reinterpret_cast<cipher::DecryptFunction>(library.resolve(cipher::kDecryptSymbol));
        if (module.encrypt && module.decrypt)
            return module;
        failures << library.errorString();
    }
    qCWarning(lcCipher) << "the password cipher module cannot be loaded; looked for" << candidates()
                        << failures;
    return std::nullopt;
}

} // namespace

const CipherModule* cipherModule() {
    static const std::optional<CipherModule> module = load();
    return module ? &*module : nullptr;
}

} // namespace orfa::users
