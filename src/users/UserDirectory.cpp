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

std::optional<TUzivPrava> UserDirectory::find(const QString& name, bool useDB) const {
    return useDB ? findInDatabase(db_, name) : findInFile(file_, name);
}

std::optional<TUzivPrava> UserDirectory::findInFile(const config::SettingsFile& file,
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

    TUzivPrava prava;
    prava.IDUZiv = found;
    prava.Vstupy = file.readText(keys::userInputs(found));
    prava.deriveVstupyEN();
    prava.Vystupy = file.readText(keys::userOutputs(found));
    prava.Matice = file.readText(keys::userMatrix(found));
    prava.Jmeno = file.readText(keys::userName(found));
    prava.Heslo = Decrypt(file.readText(keys::userPassword(found)), passwordKey());
    prava.Administrace = file.readInteger(keys::userAdministration(found), 0);
    prava.Hlasitost = file.readInteger(keys::userVolume(found), 0);
    prava.Profil = file.readInteger(keys::userProfile(found), 0);
    prava.Radio = file.readInteger(keys::userRadio(found), 0);
    prava.AktivacePredvoleb = file.readInteger(keys::userPresetActivation(found), 0);
    prava.UlozeniPredvoleb = file.readInteger(keys::userPresetStoring(found), 0);
    return prava;
}

std::optional<TUzivPrava> UserDirectory::findInDatabase(config::Database& db, const QString& name) {
    db.DBSQL(QStringLiteral("Select * From UZIV Where jmeno like ? "), {QVariant(name)});
    if (db.eof())
        return std::nullopt;

    TUzivPrava prava;
    prava.IDUZiv = db.integer(QStringLiteral("ID"));
    prava.Jmeno = db.text(QStringLiteral("JMENO"));
    prava.Heslo = Decrypt(db.text(QStringLiteral("HESLO")), passwordKey());
    prava.Vstupy = db.text(QStringLiteral("VSTUPY"));
    prava.deriveVstupyEN();
    prava.Vystupy = db.text(QStringLiteral("VYSTUPY"));
    prava.Matice = db.text(QStringLiteral("MATICE"));
    prava.Administrace = db.integer(QStringLiteral("ADMINISTRACE"));
    prava.Hlasitost = db.integer(QStringLiteral("HLASITOST"));
    prava.Profil = db.integer(QStringLiteral("PROFIL"));
    prava.Radio = db.integer(QStringLiteral("RADIO"));
    prava.AktivacePredvoleb = db.integer(QStringLiteral("AKTIVACEPREDVOLEB"));
    prava.UlozeniPredvoleb = db.integer(QStringLiteral("ULOZENIPREDVOLEB"));
    return prava;
}

} // namespace orfa::users
