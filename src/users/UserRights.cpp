#include "users/UserRights.h"

namespace orfa::users {
namespace {

const QString& noFlags() {
    static const QString text(33, QLatin1Char('0'));
    return text;
}

const QString& allFlags() {
    static const QString text = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return text;
}

} // namespace

namespace flags {

bool allows(const QString& flagString, int position) {
    if (position < 1 || position > flagString.size())
        return false;
    return flagString.at(position - 1) != QLatin1Char('0');
}

QChar letterFor(int position) {
    return QChar(u'A' + (position - 1));
}

bool hasOwnLetter(const QString& flagString, int position) {
    if (position < 1 || position > flagString.size())
        return false;
    return flagString.at(position - 1) == letterFor(position);
}

QString permittedSources(const QString& inputRights) {
    const QString padded = inputRights + QString(26, QLatin1Char('0'));
    return padded.mid(10, 12);
}

} // namespace flags

UserRights UserRights::noRights() {
    UserRights userRights;
    userRights.inputs = noFlags();
    userRights.enabledInputs = noFlags();
    userRights.outputs = noFlags();
    userRights.sourceSwitching = noFlags();
    return userRights;
}

void UserRights::deriveEnabledInputs() {
    enabledInputs = flags::permittedSources(inputs);
}

bool UserRights::acceptsLogin(const QString& loginName, const QString& loginPassword) const {
    return isNamed(loginName) && loginPassword.toUpper() == password.toUpper();
}

bool UserRights::isNamed(const QString& loginName) const {
    return loginName.toUpper() == name.toUpper();
}

void grantAllRights(UserRights& userRights) {
    userRights.name.clear();
    userRights.password.clear();
    userRights.inputs = allFlags();
    userRights.enabledInputs = allFlags();
    userRights.outputs = allFlags();
    userRights.sourceSwitching = allFlags();
    userRights.administration = 1;
    userRights.masterVolume = 1;
    userRights.profile = 1;
    userRights.radio = 1;
    userRights.activatePresets = 1;
    userRights.storePresets = 1;
}

} // namespace orfa::users
