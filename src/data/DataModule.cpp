#include "data/DataModule.h"

#include "config/LocalSettings.h"
#include "data/DataLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace orfa::data {

DataModule::DataModule(const QString& configDir, QObject* parent)
    : QObject(parent)
    , Path(QDir(configDir).absolutePath() + QLatin1Char('/'))
    , reg_(std::make_unique<config::SettingsFile>(configDir)) {
    UseDB = config::LocalSettings(*reg_).useDB();
    NactiAdresuZesilovace();
    NactiLoginPoSpusteni();
    // An updater leaves the previous program beside the new one.
    QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/OrfaOld.exe"));
    NactiProdlevu();
}

DataModule::~DataModule() {
    link_.DisconnTimerTimer();
}

void DataModule::NactiAdresuZesilovace() {
    const auto address = config::LocalSettings(*reg_).amplifierAddress();
    link_.setAddress(address.IPZesilovace, address.PortZesilovace);
}

void DataModule::NactiLoginPoSpusteni() {
    LoginPoSpusteni = config::LocalSettings(*reg_).loginPoSpusteni();
}

void DataModule::NactiProdlevu() {
    link_.setSendDelay(config::LocalSettings(*reg_).prodlevaPredOdeslanimPaketu());
}

} // namespace orfa::data
