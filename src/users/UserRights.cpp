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

TUzivPrava TUzivPrava::noRights() {
    TUzivPrava prava;
    prava.Vstupy = noFlags();
    prava.VstupyEN = noFlags();
    prava.Vystupy = noFlags();
    prava.Matice = noFlags();
    return prava;
}

void TUzivPrava::deriveVstupyEN() {
    VstupyEN = flags::permittedSources(Vstupy);
}

void NastavVseUzivPrava(TUzivPrava& prava) {
    prava.Jmeno.clear();
    prava.Heslo.clear();
    prava.Vstupy = allFlags();
    prava.VstupyEN = allFlags();
    prava.Vystupy = allFlags();
    prava.Matice = allFlags();
    prava.Administrace = 1;
    prava.Hlasitost = 1;
    prava.Profil = 1;
    prava.Radio = 1;
    prava.AktivacePredvoleb = 1;
    prava.UlozeniPredvoleb = 1;
}

} // namespace orfa::users
