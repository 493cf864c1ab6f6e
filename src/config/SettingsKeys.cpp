#include "config/SettingsKeys.h"

namespace orfa::config::keys {

QString inputEnabled(int input) {
    return QStringLiteral("Vstup%1En").arg(input);
}
QString inputName(int input) {
    return QStringLiteral("Vstup%1Nzv").arg(input);
}
QString outputEnabled(int output) {
    return QStringLiteral("Vystup%1En").arg(output);
}
QString outputName(int output) {
    return QStringLiteral("Vystup%1Nzv").arg(output);
}
QString radioName(int memory) {
    return QStringLiteral("RadioJmeno%1").arg(memory);
}

QString userName(int user) {
    return QStringLiteral("Uziv_%1_Jmeno").arg(user);
}
QString userPassword(int user) {
    return QStringLiteral("Uziv_%1_Heslo").arg(user);
}
QString userInputs(int user) {
    return QStringLiteral("Uziv_%1_Vstupy").arg(user);
}
QString userOutputs(int user) {
    return QStringLiteral("Uziv_%1_Vystupy").arg(user);
}
QString userMatrix(int user) {
    return QStringLiteral("Uziv_%1_Matice").arg(user);
}
QString userAdministration(int user) {
    return QStringLiteral("Uziv_%1_Administrace").arg(user);
}
QString userVolume(int user) {
    return QStringLiteral("Uziv_%1Hlasitost").arg(user);
}
QString userProfile(int user) {
    return QStringLiteral("Uziv_%1_Profil").arg(user);
}
QString userRadio(int user) {
    return QStringLiteral("Uziv_%1_Radio").arg(user);
}
QString userPresetActivation(int user) {
    return QStringLiteral("Uziv_%1_AktivacePredvoleb").arg(user);
}
QString userPresetStoring(int user) {
    return QStringLiteral("Uziv_%1_UlozeniPredvoleb").arg(user);
}

QString groupCount(int group) {
    return QStringLiteral("Skup_%1_SkupinaPocet").arg(group);
}
QString groupMember(int group, int member) {
    return QStringLiteral("Skup_%1_IDVstupu%2").arg(group).arg(member);
}

QString defaultInputName(int input) {
    return QStringLiteral("Vstup %1").arg(input);
}
QString defaultOutputName(int output) {
    return QStringLiteral("Výstup %1").arg(output);
}
QString defaultRadioName(int memory) {
    return QString::number(memory);
}

} // namespace orfa::config::keys
