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
#include <QDir>
#include <QFile>

namespace orfa::data {

DataModule::DataModule(const QString& configDir, QObject* parent)
    : QObject(parent)
    , Path(QDir(configDir).absolutePath() + QLatin1Char('/'))
    , reg_(std::make_unique<config::SettingsFile>(configDir)) {
    UseDB = config::LocalSettings(*reg_).useDB();
    if (UseDB && !db_.DBInit(*reg_))
        databaseFailed(QStringLiteral("connecting"), db_.lastError());
    NactiAdresuZesilovace();
    NactiLoginPoSpusteni();
    // An updater leaves the previous program beside the new one.
    QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/OrfaOld.exe"));
    NactiProdlevu();
}

DataModule::~DataModule() {
    link_.DisconnTimerTimer();
}

void DataModule::databaseFailed(const QString& where, const QString& reason) {
    qCWarning(lcData) << "central database," << where << ":" << reason;
    if (databaseError_.isEmpty())
        databaseError_ = reason;
}

void DataModule::NactiAdresuZesilovace() {
    if (!UseDB) {
        const auto address = config::LocalSettings(*reg_).amplifierAddress();
        link_.setAddress(address.IPZesilovace, address.PortZesilovace);
        return;
    }
    if (!databaseError_.isEmpty())
        return;
    try {
        const auto address = config::nst::readAmplifierAddress(db_);
        link_.setAddress(address.IPZesilovace, address.PortZesilovace);
    } catch (const config::DatabaseError& error) {
        databaseFailed(QStringLiteral("reading the amplifier's address"), error.message());
    }
}

void DataModule::NactiLoginPoSpusteni() {
    if (!UseDB) {
        LoginPoSpusteni = config::LocalSettings(*reg_).loginPoSpusteni();
        return;
    }
    if (!databaseError_.isEmpty())
        return;
    try {
        LoginPoSpusteni = config::nst::readLoginFlag(db_);
    } catch (const config::DatabaseError& error) {
        databaseFailed(QStringLiteral("reading the login flag"), error.message());
    }
}

void DataModule::NactiProdlevu() {
    link_.setSendDelay(config::LocalSettings(*reg_).prodlevaPredOdeslanimPaketu());
}

bool DataModule::NactiUzivPrava(const QString& name) {
    try {
        std::optional<users::TUzivPrava> found = users::UserDirectory(*reg_, db_).find(name, UseDB);
        if (!found)
            return false;
        UzivPrava = std::move(*found);
        return true;
    } catch (const config::DatabaseError& error) {
        qCWarning(lcData) << "looking a user up:" << error.message();
        return false;
    }
}

std::optional<config::IoNames> DataModule::readIoNames() {
    if (!UseDB)
        return config::readIoNames(*reg_);
    try {
        return config::readIoNames(db_);
    } catch (const config::DatabaseError& error) {
        qCWarning(lcData) << "reading names and groups:" << error.message();
        return std::nullopt;
    }
}

bool DataModule::readSixteenOutputs() {
    if (!UseDB)
        return reg_->readInteger(config::keys::VstupyRG, 0) == 1;
    try {
        return config::nst::readSixteenOutputs(db_);
    } catch (const config::DatabaseError& error) {
        qCWarning(lcData) << "reading the number of outputs:" << error.message();
        return false;
    }
}

} // namespace orfa::data
