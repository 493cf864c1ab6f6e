#include "users/UserDatabaseStore.h"

#include "config/Database.h"
#include "users/DatabaseUnit.h"
#include "users/PasswordCipher.h"
#include "users/StoredUser.h"

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
    if (db_.rows().isEmpty())
        return std::nullopt;
    return editorRecord(readDatabaseUser(db_.rows().first()), &UserRights::granted);
}

int UserDatabaseStore::save(int id, const UserRecord& record, bool asNew) {
    commitAsOneUnit(db_, [&] {
        if (asNew) {
            db_.execute(QStringLiteral("select Gen_ID(Uziv,1) as MaxID from RDB$DATABASE"));
            id = db_.rows().first().integer(QStringLiteral("MAXID"));
        }
        db_.execute(QStringLiteral("Delete From Uziv where id=?"), {QVariant(id)});
        db_.execute(QStringLiteral("INSERT INTO Uziv Values ( ? , ? , ? , ? , ? , ? , ? , ? , ? , "
                                   "? , ? , ? , ? ) "),
                    {QVariant(id), QVariant(record.name),
                     QVariant(encryptPassword(record.password, passwordKey())),
                     QVariant(record.inputs), QVariant(record.outputs),
                     QVariant(record.sourceSwitching), flag(record.administration),
                     flag(record.masterVolume), flag(record.profile), flag(record.radio),
                     flag(record.activatePresets), flag(record.storePresets), QVariant(reserve())});
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
