#pragma once

#include "data/DataModule.h"
#include "mqtt/AmplifierNames.h"
#include "mqtt/AmplifierPoller.h"
#include "mqtt/CommandHandler.h"
#include "mqtt/MqttClient.h"
#include "mqtt/RetainedPublisher.h"
#include "mqtt/ServiceOptions.h"
#include "mqtt/TopicLayout.h"

#include <QObject>
#include <QTimer>

namespace orfa::mqtt {

// The amplifier on an MQTT broker: its state on retained topics, commands
// taken from the command topics, Home Assistant's discovery configs, and the
// availability topic, which says online while the amplifier answers and the
// service runs (the broker publishes offline, the will, when the service
// vanishes). The state is read at the start, after every reconnect to the
// broker and at the polling interval, and only what changed is published.
// Either connection may go away for any time; both are tried again.
class MqttService : public QObject {
    Q_OBJECT
public:
    // Reads the amplifier's address from the settings of configDir (Orfa.ini,
    // or the central database's rows when it is in use) unless the options
    // give one. Nothing is connected yet.
    MqttService(const QString& configDir, const ServiceOptions& options, QObject* parent = nullptr);

    // Reads the names of outputs and sources and starts both connections.
    // False, with error(), when the service cannot run: the central database
    // cannot be read, or there is no amplifier address.
    bool start();
    // Publishes offline and leaves the broker cleanly; stopped() follows.
    void stop();

    const QString& error() const { return error_; }
    // The amplifier's level in the topics.
    const QString& amplifierId() const { return amplifierId_; }
    const TopicLayout& topics() const { return topics_; }
    data::DataModule& data() { return data_; }

Q_SIGNALS:
    void stopped();

private:
    bool readNames();
    bool takeOperatorRights();
    // Publishes what changes in the model, and the availability.
    void followTheAmplifier();
    void brokerConnected();
    void publishDiscovery();
    void publishAvailability();
    void publishState();
    void handleMessage(const MqttMessage& message);

    data::DataModule data_;
    ServiceOptions options_;
    QString amplifierId_;
    TopicLayout topics_;
    AmplifierNames names_;
    MqttClient client_;
    RetainedPublisher publisher_;
    AmplifierPoller poller_;
    CommandHandler commands_;
    // Model changes come in bursts (one answer sets 16 levels): one pass after them.
    QTimer publishSoon_;
    bool stopping_ = false;
    QString error_;
};

} // namespace orfa::mqtt
