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
    db_.DBSQL(QStringLiteral("Select * FROM Uziv where id=?"), {QVariant(id)});
    if (db_.eof())
        return std::nullopt;
    UserRecord record;
    record.Vstupy = db_.text(QStringLiteral("VSTUPY"));
    record.Vystupy = db_.text(QStringLiteral("VYSTUPY"));
    record.Matice = db_.text(QStringLiteral("MATICE"));
    record.Administrace = db_.integer(QStringLiteral("ADMINISTRACE")) == 1;
    record.Hlasitost = db_.integer(QStringLiteral("HLASITOST")) == 1;
    record.Profil = db_.integer(QStringLiteral("PROFIL")) == 1;
    record.Radio = db_.integer(QStringLiteral("RADIO")) == 1;
    record.AktivacePredvoleb = db_.integer(QStringLiteral("AKTIVACEPREDVOLEB")) == 1;
    record.UlozeniPredvoleb = db_.integer(QStringLiteral("ULOZENIPREDVOLEB")) == 1;
    record.Jmeno = db_.text(QStringLiteral("JMENO"));
    record.Heslo = Decrypt(db_.text(QStringLiteral("HESLO")), passwordKey());
    return record;
}

int UserDatabaseStore::save(int id, const UserRecord& record, bool asNew) {
    commitAsOneUnit(db_, [&] {
        if (asNew) {
            db_.DBSQL(QStringLiteral("select Gen_ID(Uziv,1) as MaxID from RDB$DATABASE"));
            id = db_.integer(QStringLiteral("MAXID"));
        }
        db_.DBSQL(QStringLiteral("Delete From Uziv where id=?"), {QVariant(id)});
        db_.DBSQL(QStringLiteral("INSERT INTO Uziv Values ( ? , ? , ? , ? , ? , ? , ? , ? , ? , "
                                 "? , ? , ? , ? ) "),
                  {QVariant(id), QVariant(record.Jmeno),
                   QVariant(Encrypt(record.Heslo, passwordKey())), QVariant(record.Vstupy),
                   QVariant(record.Vystupy), QVariant(record.Matice), flag(record.Administrace),
                   flag(record.Hlasitost), flag(record.Profil), flag(record.Radio),
                   flag(record.AktivacePredvoleb), flag(record.UlozeniPredvoleb),
                   QVariant(reserve())});
    });
    return id;
}

void UserDatabaseStore::remove(int id) {
    commitAsOneUnit(
        db_, [&] { db_.DBSQL(QStringLiteral("Delete From Uziv where id=?"), {QVariant(id)}); });
}

UserTextLimits UserDatabaseStore::textLimits() const {
    return UserTextLimits{kNameColumn, kPasswordColumn};
}

} // namespace orfa::users
