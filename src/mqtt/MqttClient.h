#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

class QSocketNotifier;
struct mosquitto;
struct mosquitto_message;

namespace orfa::mqtt {

// How to reach the broker.
struct BrokerSettings {
    QString host = QStringLiteral("127.0.0.1");
    int port = 1883;
    QString user;     // none when empty
    QString password; // used only with a user
    QString caFile;   // TLS when set: the broker's certificate must be signed by this CA
    QString clientId;
    int keepAliveSeconds = 30;
};

// A message as it arrived from the broker.
struct MqttMessage {
    QString topic;
    QByteArray payload;
    bool retained = false; // stored by the broker, not published just now
};

// One MQTT connection through libmosquitto, run on the Qt event loop: socket
// notifiers for reading and writing and a timer for the library's
// housekeeping (keep-alive, repeats); no thread of its own. Once started it
// keeps the connection up: a lost or refused connection is tried again after
// 1 s, doubling up to 30 s, until stop().
//
// Publications and subscriptions use QoS 1. Subscriptions are not kept by the
// broker across connections (clean session): connected() is the place to
// subscribe. Signals are emitted after libmosquitto has returned, so a
// receiver may publish, stop or delete the client.
class MqttClient : public QObject {
    Q_OBJECT
public:
    static constexpr int kFirstRetryMs = 1000;
    static constexpr int kLongestRetryMs = 30000;

    explicit MqttClient(BrokerSettings settings, QObject* parent = nullptr);
    ~MqttClient() override;
    MqttClient(const MqttClient&) = delete;
    MqttClient& operator=(const MqttClient&) = delete;

    // The retained message the broker publishes when the connection breaks
    // without a clean stop. Takes effect from the next connection.
    void setWill(const QString& topic, const QByteArray& payload);

    void start();
    // Sends what is queued, closes the connection cleanly (the will is not
    // published) and emits stopped(); at once when not connected, else once
    // the broker has the disconnect or after a second at most.
    void stop();

    bool isConnected() const { return state_ == State::Connected; }
    // False when not connected or the library refused (the message is lost).
    bool publish(const QString& topic, const QByteArray& payload, bool retain);
    bool subscribe(const QString& filter);

Q_SIGNALS:
    void connected();
    void disconnected();
    void messageReceived(const orfa::mqtt::MqttMessage& message);
    void stopped();

private:
    enum class State { Idle, Connecting, Connected, WaitingToRetry, Stopping, Stopped };
    struct Event;

    static void onConnect(mosquitto* client, void* self, int code);
    static void onMessage(mosquitto* client, void* self, const mosquitto_message* message);
    static int readPackets(mosquitto* client);

    void connectToBroker();
    // Calls one libmosquitto step, then follows the socket and hands on what happened.
    template <typename Step> void run(Step step);
    void followSocket();
    void handle(int result);
    void dispatch();
    void connectionLost(const QString& reason);
    void finishStop();

    BrokerSettings settings_;
    mosquitto* client_ = nullptr;
    State state_ = State::Idle;
    int socket_ = -1;
    std::unique_ptr<QSocketNotifier> reader_;
    std::unique_ptr<QSocketNotifier> writer_;
    QTimer housekeeping_;
    QTimer retry_;
    QTimer deadline_; // connection attempt or clean stop taking too long
    int retryMs_ = kFirstRetryMs;
    bool failureLogged_ = false;
    std::vector<Event> events_;
};

} // namespace orfa::mqtt
