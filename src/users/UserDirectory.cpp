#include "users/UserDirectory.h"

#include "config/Database.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"
#include "users/PasswordCipher.h"

#include <QVariant>

#include <algorithm>

namespace orfa::users {

UserDirectory::UserDirectory(const config::SettingsFile& file, config::Database& db)
    : file_(file)
    , db_(db) {}

std::optional<UserRights> UserDirectory::find(const QString& name, bool useDB) const {
    return useDB ? findInDatabase(db_, name) : findInFile(file_, name);
}

std::optional<UserRights> UserDirectory::findInFile(const config::SettingsFile& file,
                                                    const QString& name) {
    namespace keys = config::keys;
    const int maxId = std::min(file.readInteger(keys::maxUserId(), 0), keys::kHighestUserId);
    int found = 0;
    for (int n = 1; n <= maxId; ++n) {
        const QString stored = file.readText(keys::userName(n));
        if (!stored.isEmpty() && stored == name)
            found = n;
    }
    if (found == 0)
        return std::nullopt;

    UserRights userRights;
    userRights.userId = found;
    userRights.inputs = file.readText(keys::userInputs(found));
    userRights.deriveEnabledInputs();
    userRights.outputs = file.readText(keys::userOutputs(found));
    userRights.sourceSwitching = file.readText(keys::userMatrix(found));
    userRights.name = file.readText(keys::userName(found));
    userRights.password = Decrypt(file.readText(keys::userPassword(found)), passwordKey());
    userRights.administration = file.readInteger(keys::userAdministration(found), 0);
    userRights.masterVolume = file.readInteger(keys::userVolume(found), 0);
    userRights.profile = file.readInteger(keys::userProfile(found), 0);
    userRights.radio = file.readInteger(keys::userRadio(found), 0);
    userRights.activatePresets = file.readInteger(keys::userPresetActivation(found), 0);
    userRights.storePresets = file.readInteger(keys::userPresetStoring(found), 0);
    return userRights;
}

std::optional<UserRights> UserDirectory::findInDatabase(config::Database& db, const QString& name) {
    db.execute(QStringLiteral("Select * From UZIV Where jmeno like ? "), {QVariant(name)});
    if (db.eof())
        return std::nullopt;

    UserRights userRights;
    userRights.userId = db.integer(QStringLiteral("ID"));
    userRights.name = db.text(QStringLiteral("JMENO"));
    userRights.password = Decrypt(db.text(QStringLiteral("HESLO")), passwordKey());
    userRights.inputs = db.text(QStringLiteral("VSTUPY"));
    userRights.deriveEnabledInputs();
    userRights.outputs = db.text(QStringLiteral("VYSTUPY"));
    userRights.sourceSwitching = db.text(QStringLiteral("MATICE"));
    userRights.administration = db.integer(QStringLiteral("ADMINISTRACE"));
    userRights.masterVolume = db.integer(QStringLiteral("HLASITOST"));
    userRights.profile = db.integer(QStringLiteral("PROFIL"));
    userRights.radio = db.integer(QStringLiteral("RADIO"));
    userRights.activatePresets = db.integer(QStringLiteral("AKTIVACEPREDVOLEB"));
    userRights.storePresets = db.integer(QStringLiteral("ULOZENIPREDVOLEB"));
    return userRights;
}

} // namespace orfa::users
