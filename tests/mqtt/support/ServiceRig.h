#pragma once

#include "mqtt/MqttService.h"
#include "mqtt/support/TestBroker.h"
#include "mqtt/support/TestClient.h"
#include "support/SimulatorRig.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// The service in the test process between a broker of its own and the
// simulator on loopback, with the test's client subscribed to everything.
// The settings enable every input and output, name source 2 "Mikrofon" and
// output 3 "Hala", put outputs 1, 3 and 5 in one group and give a send
// delay of 50 ms; the service polls every second under orfa/amp/.
class ServiceRig : public orfa::test::SimulatorRig {
public:
    // settingsLines: further lines of section [Orfa]; a key given replaces the default one.
    explicit ServiceRig(const QStringList& settingsLines = {});
    ~ServiceRig();

    // Starts the broker and the client, then the service; true once the
    // amplifier's state is on the broker.
    bool start() { return startBroker() && startService(); }
    // The site user whose rights the service takes (before start()).
    void setSiteUser(const QString& name) { siteUser_ = name; }
    bool startBroker();
    bool startService();
    void stopService();

    TestBroker& broker() { return broker_; }
    TestClient& client() { return *client_; }
    orfa::mqtt::MqttService& service() { return *service_; }
    QString configDir() const { return dir_.path(); }
    void writeSettings(const QStringList& settingsLines);

    // "orfa/amp/" + path.
    static QString topic(const QString& path);
    // Publishes on orfa/amp/<path>.
    void command(const QString& path, const QByteArray& payload, bool retain = false);
    // The frames the simulator received that set something (requests left
    // out), as "65:0328": instruction, then the data bytes in hex.
    QStringList settingsReceived() const;

private:
    QTemporaryDir dir_;
    QString siteUser_;
    TestBroker broker_;
    std::unique_ptr<orfa::mqtt::MqttService> service_;
    std::unique_ptr<TestClient> client_;
};
