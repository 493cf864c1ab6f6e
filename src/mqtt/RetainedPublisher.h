#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

namespace orfa::mqtt {

class MqttClient;

// A retained message; an empty payload deletes the topic's retained message.
struct RetainedMessage {
    QString topic;
    QByteArray payload;
};

// Publishes retained messages only when they differ from what this
// connection last carried on the topic.
class RetainedPublisher {
public:
    // client must outlive this object.
    explicit RetainedPublisher(MqttClient& client);

    void publish(const RetainedMessage& message);
    void publish(const std::vector<RetainedMessage>& messages);
    // After a reconnect: the broker may have lost everything (a restart
    // without persistence), so each topic goes out again.
    void forget() { published_.clear(); }

private:
    MqttClient& client_;
    QHash<QString, QByteArray> published_;
};

} // namespace orfa::mqtt
