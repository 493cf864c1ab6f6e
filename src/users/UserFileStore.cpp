#include "users/UserFileStore.h"

#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"
#include "config/SettingsWriteError.h"
#include "users/NewFileRecordId.h"
#include "users/PasswordCipher.h"
#include "users/StoredUser.h"

namespace orfa::users {

namespace keys = config::keys;

namespace {

QString flag(bool ticked) {
    return ticked ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

UserFileStore::UserFileStore(config::SettingsFile& file)
    : file_(file) {}

std::optional<UserRecord> UserFileStore::load(int id) {
    return editorRecord(readFileUser(file_, id), [](std::int32_t right) { return right != 0; });
}

int UserFileStore::save(int id, const UserRecord& record, bool asNew) {
    if (asNew) {
        id = newFileRecordId(file_, keys::maxUserId(), keys::kHighestUserId);
        file_.writeInteger(keys::maxUserId(), id);
    }
    bool nameWritten = false;
    try {
        file_.writeText(keys::userInputs(id), record.inputs);
        file_.writeText(keys::userOutputs(id), record.outputs);
        file_.writeText(keys::userMatrix(id), record.sourceSwitching);
        file_.writeText(keys::userName(id), record.name);
        nameWritten = true;
        file_.writeText(keys::userPassword(id), encryptPassword(record.password, passwordKey()));
        file_.writeText(keys::userAdministration(id), flag(record.administration));
        file_.writeText(keys::userVolume(id), flag(record.masterVolume));
        file_.writeText(keys::userProfile(id), flag(record.profile));
        file_.writeText(keys::userRadio(id), flag(record.radio));
        file_.writeText(keys::userPresetActivation(id), flag(record.activatePresets));
        file_.writeText(keys::userPresetStoring(id), flag(record.storePresets));
    } catch (const config::SettingsWriteError&) {
        if (asNew && nameWritten) {
            try {
                file_.writeText(keys::userName(id), QString());
            } catch (const config::SettingsWriteError&) {
                // The file takes nothing more; the first error says why.
            }
        }
        throw;
    }
    return id;
}

void UserFileStore::remove(int id) {
    file_.writeText(keys::userName(id), QString());
}

UserTextLimits UserFileStore::textLimits() const {
    return UserTextLimits{config::SettingsFile::maxTextLength, config::SettingsFile::maxTextLength};
}

} // namespace orfa::users
