#pragma once

#include "config/Database.h"
#include "config/IoNames.h"
#include "config/SettingsFile.h"
#include "link/AmpLink.h"
#include "model/AmpControl.h"
#include "model/AmplifierModel.h"
#include "users/UserRights.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace orfa::data {

// The program's data module: the settings file, the amplifier link with the
// amplifier model and its control, the switch between the settings file and
// the central database with the database connection, and the rights of the
// operator. It lives as long as the program.
class DataModule : public QObject {
    Q_OBJECT
public:
    // Opens <configDir>/Orfa.ini and takes the start-up settings from it;
    // with the central database in use ("DBChb") it connects to it and takes
    // the amplifier's address and the login flag from table NST.
    explicit DataModule(const QString& configDir, QObject* parent = nullptr);
    // Runs the link's disconnect check once, then closes the database and
    // the settings file.
    ~DataModule() override;

    config::SettingsFile& settings() { return *reg_; }
    link::AmpLink& link() { return link_; }
    // The amplifier as every window knows it, and the operator's intents on it.
    model::AmplifierModel& amplifier() { return amplifier_; }
    model::AmpControl& control() { return control_; }
    config::Database& database() { return db_; }

    // Whether the shared settings live in the central database ("DBChb" as
    // the program started, or as the settings dialog last saved or chose).
    bool usesDatabase() const { return usesDatabase_; }
    void setUsesDatabase(bool uses);
    // Whether the operator must log in when the program starts ("LoginChb").
    bool loginAtStart() const { return loginAtStart_; }

    // The rights of the operator logged in; none until someone logs in or
    // grantAllRights() is called.
    const users::UserRights& rights() const { return rights_; }
    void setRights(const users::UserRights& rights);
    void grantAllRights();

    // Reads "ProdlevaE" into the link's send delay (800 when not a number).
    void readSendDelay();

    // Whether the central database is connected now.
    bool databaseConnected() const { return db_.connected(); }
    // With the central database in use: why it could not be reached, or why
    // the start-up reads from it failed, in the server's words. Empty when
    // the database is not in use or all went well. While it is not empty the
    // start-up has neither the amplifier's address nor the login flag, and
    // the panel must run without rights: granting all rights would hand a
    // site that asks for logins to whoever starts the program.
    const QString& databaseError() const { return databaseError_; }

    // Looks name up in the store in use and, when a record is found, loads it
    // into rights(). Returns whether one was found; when none was, or the
    // database failed, rights() stays exactly as it was.
    bool loadUserRights(const QString& name);

    // Names, enable flags and groups from the store in use; nothing when the
    // database fails (the panel then keeps what it shows).
    std::optional<config::IoNames> readIoNames();
    // Whether the page of outputs 9 to 16 is shown: "VstupyRG" is 1 in the
    // store in use. False when the database fails.
    bool readSixteenOutputs();

Q_SIGNALS:
    void usesDatabaseChanged(bool uses);
    void rightsChanged(const orfa::users::UserRights& rights);

private:
    void readAmplifierAddress();
    void readLoginAtStart();
    void databaseFailed(const QString& where, const QString& reason);

    std::unique_ptr<config::SettingsFile> reg_;
    config::Database db_;
    link::AmpLink link_;
    model::AmplifierModel amplifier_;
    model::AmpControl control_{amplifier_, link_};
    QString databaseError_;
    bool usesDatabase_ = false;
    bool loginAtStart_ = false;
    users::UserRights rights_ = users::UserRights::noRights();
};

} // namespace orfa::data
