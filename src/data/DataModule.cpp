#include "data/DataModule.h"

#include "config/DatabaseError.h"
#include "config/IoNamesDatabase.h"
#include "config/IoNamesFile.h"
#include "config/LocalSettings.h"
#include "config/NstStore.h"
#include "config/SettingsKeys.h"
#include "data/DataLog.h"
#include "users/UserDirectory.h"

#include <QCoreApplication>
#include <QFile>

namespace orfa::data {

DataModule::DataModule(const QString& configDir, QObject* parent)
    : QObject(parent)
    , reg_(std::make_unique<config::SettingsFile>(configDir)) {
    usesDatabase_ = config::LocalSettings(*reg_).useDB();
    if (usesDatabase_ && !db_.open(*reg_))
        databaseFailed(QStringLiteral("connecting"), db_.lastError());
    readAmplifierAddress();
    readLoginAtStart();
    // An updater leaves the previous program beside the new one.
    QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/OrfaOld.exe"));
    readSendDelay();
}

DataModule::~DataModule() {
    link_.closeIfIdle();
}

void DataModule::setUsesDatabase(bool uses) {
    if (uses == usesDatabase_)
        return;
    usesDatabase_ = uses;
    Q_EMIT usesDatabaseChanged(uses);
}

void DataModule::setRights(const users::UserRights& rights) {
    if (rights == rights_)
        return;
    rights_ = rights;
    Q_EMIT rightsChanged(rights_);
}

void DataModule::grantAllRights() {
    users::UserRights all = rights_;
    users::grantAllRights(all);
    setRights(all);
}

void DataModule::databaseFailed(const QString& where, const QString& reason) {
    qCWarning(lcData) << "central database," << where << ":" << reason;
    if (databaseError_.isEmpty())
        databaseError_ = reason;
}

void DataModule::readAmplifierAddress() {
    if (!usesDatabase_) {
        const auto address = config::LocalSettings(*reg_).amplifierAddress();
        link_.setAddress(address.host, address.port);
        return;
    }
    if (!databaseError_.isEmpty())
        return;
    try {
        const auto address = config::nst::readAmplifierAddress(db_);
        link_.setAddress(address.host, address.port);
    } catch (const config::DatabaseError& error) {
        databaseFailed(QStringLiteral("reading the amplifier's address"), error.message());
    }
}

void DataModule::readLoginAtStart() {
    if (!usesDatabase_) {
        loginAtStart_ = config::LocalSettings(*reg_).loginAtStart();
        return;
    }
    if (!databaseError_.isEmpty())
        return;
    try {
        loginAtStart_ = config::nst::readLoginFlag(db_);
    } catch (const config::DatabaseError& error) {
        databaseFailed(QStringLiteral("reading the login flag"), error.message());
    }
}

void DataModule::readSendDelay() {
    link_.setSendDelay(config::LocalSettings(*reg_).sendDelay());
}

bool DataModule::loadUserRights(const QString& name) {
    try {
        std::optional<users::UserRights> found =
            users::UserDirectory(*reg_, db_).find(name, usesDatabase_);
        if (!found)
            return false;
        setRights(*found);
        return true;
    } catch (const config::DatabaseError& error) {
        qCWarning(lcData) << "looking a user up:" << error.message();
        return false;
    }
}

std::optional<config::IoNames> DataModule::readIoNames() {
    if (!usesDatabase_)
        return config::readIoNames(*reg_);
    try {
        return config::readIoNames(db_);
    } catch (const config::DatabaseError& error) {
        qCWarning(lcData) << "reading names and groups:" << error.message();
        return std::nullopt;
    }
}

bool DataModule::readSixteenOutputs() {
    if (!usesDatabase_)
        return reg_->readInteger(config::keys::VstupyRG, 0) == 1;
    try {
        return config::nst::readSixteenOutputs(db_);
    } catch (const config::DatabaseError& error) {
        qCWarning(lcData) << "reading the number of outputs:" << error.message();
        return false;
    }
}

} // namespace orfa::data
