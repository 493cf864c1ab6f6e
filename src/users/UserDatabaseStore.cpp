#include "users/UserDatabaseStore.h"

#include "config/Database.h"
#include "users/DatabaseUnit.h"
#include "users/PasswordCipher.h"

#include <QVariant>

namespace orfa::users {
namespace {

QVariant flag(bool ticked) {
    return QVariant(ticked ? 1 : 0);
}

// The columns JMENO and HESLO of table UZIV hold this many characters.
constexpr qsizetype kNameColumn = 40;
constexpr qsizetype kPasswordColumn = 200;

// Nothing reads the last column; the table needs it filled.
QString reserve() {
    return QString(26, QLatin1Char('0'));
}

} // namespace

UserDatabaseStore::UserDatabaseStore(config::Database& db)
    : db_(db) {}

std::optional<UserRecord> UserDatabaseStore::load(int id) {
    db_.execute(QStringLiteral("Select * FROM Uziv where id=?"), {QVariant(id)});
    if (db_.eof())
        return std::nullopt;
    UserRecord record;
    record.inputs = db_.text(QStringLiteral("VSTUPY"));
    record.outputs = db_.text(QStringLiteral("VYSTUPY"));
    record.sourceSwitching = db_.text(QStringLiteral("MATICE"));
    record.administration = db_.integer(QStringLiteral("ADMINISTRACE")) == 1;
    record.masterVolume = db_.integer(QStringLiteral("HLASITOST")) == 1;
    record.profile = db_.integer(QStringLiteral("PROFIL")) == 1;
    record.radio = db_.integer(QStringLiteral("RADIO")) == 1;
    record.activatePresets = db_.integer(QStringLiteral("AKTIVACEPREDVOLEB")) == 1;
    record.storePresets = db_.integer(QStringLiteral("ULOZENIPREDVOLEB")) == 1;
    record.name = db_.text(QStringLiteral("JMENO"));
    record.password = Decrypt(db_.text(QStringLiteral("HESLO")), passwordKey());
    return record;
}

int UserDatabaseStore::save(int id, const UserRecord& record, bool asNew) {
    commitAsOneUnit(db_, [&] {
        if (asNew) {
            db_.execute(QStringLiteral("select Gen_ID(Uziv,1) as MaxID from RDB$DATABASE"));
            id = db_.integer(QStringLiteral("MAXID"));
        }
        db_.execute(QStringLiteral("Delete From Uziv where id=?"), {QVariant(id)});
        db_.execute(QStringLiteral("INSERT INTO Uziv Values ( ? , ? , ? , ? , ? , ? , ? , ? , ? , "
                                   "? , ? , ? , ? ) "),
                    {QVariant(id), QVariant(record.name),
                     QVariant(Encrypt(record.password, passwordKey())), QVariant(record.inputs),
                     QVariant(record.outputs), QVariant(record.sourceSwitching),
                     flag(record.administration), flag(record.masterVolume), flag(record.profile),
                     flag(record.radio), flag(record.activatePresets), flag(record.storePresets),
                     QVariant(reserve())});
    });
    return id;
}

void UserDatabaseStore::remove(int id) {
    commitAsOneUnit(
        db_, [&] { db_.execute(QStringLiteral("Delete From Uziv where id=?"), {QVariant(id)}); });
}

UserTextLimits UserDatabaseStore::textLimits() const {
    return UserTextLimits{kNameColumn, kPasswordColumn};
}

} // namespace orfa::users
