#include "users/StoredUser.h"

#include "config/ResultRows.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"
#include "users/PasswordCipher.h"

namespace orfa::users {

UserRights readFileUser(const config::SettingsFile& file, int id) {
    namespace keys = config::keys;
    UserRights user;
    user.userId = id;
    user.name = file.readText(keys::userName(id));
    user.password = decryptPassword(file.readText(keys::userPassword(id)), passwordKey());
    user.inputs = file.readText(keys::userInputs(id));
    user.deriveEnabledInputs();
    user.outputs = file.readText(keys::userOutputs(id));
    user.sourceSwitching = file.readText(keys::userMatrix(id));
    user.administration = file.readInteger(keys::userAdministration(id), 0);
    user.masterVolume = file.readInteger(keys::userVolume(id), 0);
    user.profile = file.readInteger(keys::userProfile(id), 0);
    user.radio = file.readInteger(keys::userRadio(id), 0);
    user.activatePresets = file.readInteger(keys::userPresetActivation(id), 0);
    user.storePresets = file.readInteger(keys::userPresetStoring(id), 0);
    return user;
}

UserRights readDatabaseUser(const config::ResultRow& row) {
    UserRights user;
    user.userId = row.integer(QStringLiteral("ID"));
    user.name = row.text(QStringLiteral("JMENO"));
    user.password = decryptPassword(row.text(QStringLiteral("HESLO")), passwordKey());
    user.inputs = row.text(QStringLiteral("VSTUPY"));
    user.deriveEnabledInputs();
    user.outputs = row.text(QStringLiteral("VYSTUPY"));
    user.sourceSwitching = row.text(QStringLiteral("MATICE"));
    user.administration = row.integer(QStringLiteral("ADMINISTRACE"));
    user.masterVolume = row.integer(QStringLiteral("HLASITOST"));
    user.profile = row.integer(QStringLiteral("PROFIL"));
    user.radio = row.integer(QStringLiteral("RADIO"));
    user.activatePresets = row.integer(QStringLiteral("AKTIVACEPREDVOLEB"));
    user.storePresets = row.integer(QStringLiteral("ULOZENIPREDVOLEB"));
    return user;
}

UserRecord editorRecord(const UserRights& stored, bool (*ticked)(std::int32_t right)) {
    UserRecord record;
    record.name = stored.name;
    record.password = stored.password;
    record.inputs = stored.inputs;
    record.outputs = stored.outputs;
    record.sourceSwitching = stored.sourceSwitching;
    record.administration = ticked(stored.administration);
    record.masterVolume = ticked(stored.masterVolume);
    record.profile = ticked(stored.profile);
    record.radio = ticked(stored.radio);
    record.activatePresets = ticked(stored.activatePresets);
    record.storePresets = ticked(stored.storePresets);
    return record;
}

} // namespace orfa::users
