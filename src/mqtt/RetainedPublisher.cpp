#include "mqtt/RetainedPublisher.h"

#include "mqtt/MqttClient.h"

namespace orfa::mqtt {

RetainedPublisher::RetainedPublisher(MqttClient& client)
    : client_(client) {}

void RetainedPublisher::publish(const RetainedMessage& message) {
    const auto known = published_.constFind(message.topic);
    if (known != published_.constEnd() && *known == message.payload)
        return;
    if (client_.publish(message.topic, message.payload, true))
        published_.insert(message.topic, message.payload);
}

void RetainedPublisher::publish(const std::vector<RetainedMessage>& messages) {
    for (const RetainedMessage& message : messages)
        publish(message);
}

} // namespace orfa::mqtt
