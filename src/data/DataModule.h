#pragma once

#include "config/SettingsFile.h"
#include "link/AmpLink.h"
#include "users/UserRights.h"

#include <QObject>
#include <QString>

#include <memory>

namespace orfa::data {

// The program's data module: the settings file, the amplifier link, the
// switch between the settings file and the central database, and the rights
// of the operator. It lives as long as the program.
class DataModule : public QObject {
    Q_OBJECT
public:
    // Opens <configDir>/Orfa.ini and takes the start-up settings from it.
    explicit DataModule(const QString& configDir, QObject* parent = nullptr);
    // Runs the link's disconnect check once, then closes the settings file.
    ~DataModule() override;

    config::SettingsFile& Reg() { return *reg_; }
    link::AmpLink& link() { return link_; }

    QString Path; // the settings directory, with a trailing separator
    bool UseDB = false;
    bool LoginPoSpusteni = false;
    bool ZapnutyZesilovac = false;
    users::TUzivPrava UzivPrava = users::TUzivPrava::noRights();

    void NastavVseUzivPrava() { users::NastavVseUzivPrava(UzivPrava); }

    // Reads "ProdlevaE" into the link's send delay (800 when not a number).
    void NactiProdlevu();

private:
    void NactiAdresuZesilovace();
    void NactiLoginPoSpusteni();

    std::unique_ptr<config::SettingsFile> reg_;
    link::AmpLink link_;
};

} // namespace orfa::data
