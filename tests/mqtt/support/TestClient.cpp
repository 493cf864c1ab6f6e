#include "mqtt/support/TestClient.h"

#include <QTest>

namespace {

const QString kMarker = QStringLiteral("orfa-test/ready");

orfa::mqtt::BrokerSettings testSettings(quint16 port) {
    orfa::mqtt::BrokerSettings settings;
    settings.port = port;
    settings.clientId = QStringLiteral("orfa-test-client");
    return settings;
}

} // namespace

TestClient::TestClient(quint16 brokerPort)
    : client_(testSettings(brokerPort)) {
    QObject::connect(&client_, &orfa::mqtt::MqttClient::connected, &client_,
                     [this] { subscribed_ = client_.subscribe(QStringLiteral("#")); });
    QObject::connect(&client_, &orfa::mqtt::MqttClient::disconnected, &client_,
                     [this] { subscribed_ = ready_ = false; });
    QObject::connect(&client_, &orfa::mqtt::MqttClient::messageReceived, &client_,
                     [this](const orfa::mqtt::MqttMessage& message) {
                         if (message.topic == kMarker) {
                             ready_ = true;
                             return;
                         }
                         last_.insert(message.topic, message.payload);
                         messages_.push_back(message);
                     });
}

bool TestClient::connect() {
    client_.start();
    if (!QTest::qWaitFor([this] { return subscribed_; }, 5000))
        return false;
    // A message of its own coming back shows that the subscription stands.
    publish(kMarker, QByteArrayLiteral("1"));
    return QTest::qWaitFor([this] { return ready_; }, 5000);
}

void TestClient::publish(const QString& topic, const QByteArray& payload, bool retain) {
    if (!client_.publish(topic, payload, retain))
        qWarning("the test client could not publish on %s", qPrintable(topic));
}

bool TestClient::waitFor(const QString& topic, const QByteArray& payload, int timeoutMs) const {
    return QTest::qWaitFor([&] { return last_.value(topic) == payload && last_.contains(topic); },
                           timeoutMs);
}

QStringList TestClient::topicsUnder(const QString& prefix) const {
    QStringList topics;
    for (auto it = last_.begin(); it != last_.end(); ++it) {
        if (it.key().startsWith(prefix) && !it.value().isEmpty())
            topics << it.key();
    }
    topics.sort();
    return topics;
}

void TestClient::clear() {
    last_.clear();
    messages_.clear();
}
