#pragma once

#include "mqtt/MqttClient.h"

#include <QHash>
#include <QStringList>

#include <vector>

// The test's own MQTT client on the service's client class: subscribes to
// every topic (again after each reconnect) and keeps what arrived.
class TestClient {
public:
    explicit TestClient(quint16 brokerPort);

    orfa::mqtt::MqttClient& client() { return client_; }
    // Starts and waits until connected and subscribed; false after 5 s.
    bool connect();

    void publish(const QString& topic, const QByteArray& payload, bool retain = false);
    // What last arrived on the topic; empty when nothing did.
    QByteArray last(const QString& topic) const { return last_.value(topic); }
    bool has(const QString& topic) const { return last_.contains(topic); }
    // Waits up to timeoutMs for the topic's last payload to be this one.
    bool waitFor(const QString& topic, const QByteArray& payload, int timeoutMs = 5000) const;
    // Topics under prefix that hold a non-empty payload now.
    QStringList topicsUnder(const QString& prefix) const;
    // Everything that arrived, in order, since the last clear().
    const std::vector<orfa::mqtt::MqttMessage>& messages() const { return messages_; }
    void clear();

private:
    orfa::mqtt::MqttClient client_;
    bool subscribed_ = false;
    bool ready_ = false;
    QHash<QString, QByteArray> last_;
    std::vector<orfa::mqtt::MqttMessage> messages_;
};
