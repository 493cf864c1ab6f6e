#include "mqtt/MqttClient.h"

#include "mqtt/MqttLog.h"

#include <QPointer>
#include <QSocketNotifier>

#include <mosquitto.h>

#include <algorithm>
#include <csignal>
#include <sys/ioctl.h>

namespace orfa::mqtt {

struct MqttClient::Event {
    enum class Kind { ConnectAnswer, Message };
    Kind kind = Kind::Message;
    int code = 0;
    MqttMessage message;
};

namespace {

constexpr int kHousekeepingMs = 1000;
// A broker that takes longer than this to accept a connection is tried again.
constexpr int kConnectTimeoutMs = 10000;
constexpr int kStopTimeoutMs = 1000;
constexpr int kQos = 1;
constexpr int kPacketsPerRead = 100;

// Once per process, before the first client.
void initialiseLibrary() {
    static const struct Library {
        Library() {
            mosquitto_lib_init();
            // libmosquitto writes to its socket with write(): a broker that has
            // gone away must give an error, not end the process.
            std::signal(SIGPIPE, SIG_IGN);
        }
        ~Library() { mosquitto_lib_cleanup(); }
        Library(const Library&) = delete;
        Library& operator=(const Library&) = delete;
    } library;
}

// The library's sentence, without its full stop, to go inside a log line.
QString errorText(int code) {
    QString text = QString::fromUtf8(mosquitto_strerror(code));
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

MqttClient::MqttClient(BrokerSettings settings, QObject* parent)
    : QObject(parent)
    , settings_(std::move(settings)) {
    initialiseLibrary();
    const QByteArray id = settings_.clientId.toUtf8();
    client_ = mosquitto_new(id.isEmpty() ? nullptr : id.constData(), true, this);
    if (client_ == nullptr) {
        qCCritical(lcMqtt) << "cannot create an MQTT client with the id" << settings_.clientId;
        return;
    }
    mosquitto_int_option(client_, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    mosquitto_connect_callback_set(client_, &MqttClient::onConnect);
    mosquitto_message_callback_set(client_, &MqttClient::onMessage);
    if (!settings_.user.isEmpty()) {
        mosquitto_username_pw_set(client_, settings_.user.toUtf8().constData(),
                                  settings_.password.toUtf8().constData());
    }
    if (!settings_.caFile.isEmpty()) {
        const int result = mosquitto_tls_set(client_, settings_.caFile.toUtf8().constData(),
                                             nullptr, nullptr, nullptr, nullptr);
        if (result != MOSQ_ERR_SUCCESS)
            qCCritical(lcMqtt) << "TLS with the CA file" << settings_.caFile
                               << "cannot be used:" << errorText(result);
    }

    housekeeping_.setInterval(kHousekeepingMs);
    connect(&housekeeping_, &QTimer::timeout, this,
            [this] { run([](mosquitto* client) { return mosquitto_loop_misc(client); }); });
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &MqttClient::connectToBroker);
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        if (state_ == State::Stopping)
            finishStop();
        else if (state_ == State::Connecting)
            connectionLost(QStringLiteral("no answer to the connection request"));
    });
}

MqttClient::~MqttClient() {
    reader_.reset();
    writer_.reset();
    if (client_ != nullptr)
        mosquitto_destroy(client_);
}

void MqttClient::setWill(const QString& topic, const QByteArray& payload) {
    if (client_ != nullptr) {
        mosquitto_will_set(client_, topic.toUtf8().constData(), static_cast<int>(payload.size()),
                           payload.constData(), kQos, true);
    }
}

void MqttClient::start() {
    if (client_ != nullptr && (state_ == State::Idle || state_ == State::Stopped))
        connectToBroker();
}

void MqttClient::stop() {
    retry_.stop();
    if (state_ != State::Connected) {
        finishStop();
        return;
    }
    state_ = State::Stopping;
    deadline_.start(kStopTimeoutMs);
    // The disconnect goes out after everything queued before it.
    run([](mosquitto* client) { return mosquitto_disconnect(client); });
}

bool MqttClient::publish(const QString& topic, const QByteArray& payload, bool retain) {
    if (state_ != State::Connected)
        return false;
    const int result =
        mosquitto_publish(client_, nullptr, topic.toUtf8().constData(),
                          static_cast<int>(payload.size()), payload.constData(), kQos, retain);
    if (result != MOSQ_ERR_SUCCESS)
        qCDebug(lcMqtt) << "publishing" << topic << "failed:" << errorText(result);
    followSocket();
    return result == MOSQ_ERR_SUCCESS;
}

bool MqttClient::subscribe(const QString& filter) {
    if (state_ != State::Connected)
        return false;
    const int result = mosquitto_subscribe(client_, nullptr, filter.toUtf8().constData(), kQos);
    if (result != MOSQ_ERR_SUCCESS)
        qCWarning(lcMqtt) << "subscribing to" << filter << "failed:" << errorText(result);
    followSocket();
    return result == MOSQ_ERR_SUCCESS;
}

int MqttClient::readPackets(mosquitto* client) {
    // The library reads one packet per call; a burst of messages is read in
    // one go rather than one packet per turn of the event loop.
    int result = MOSQ_ERR_SUCCESS;
    for (int packet = 0; packet < kPacketsPerRead && result == MOSQ_ERR_SUCCESS; ++packet) {
        result = mosquitto_loop_read(client, 1);
        int waiting = 0;
        if (result != MOSQ_ERR_SUCCESS ||
            ::ioctl(mosquitto_socket(client), FIONREAD, &waiting) != 0 || waiting <= 0)
            break;
    }
    return result;
}

void MqttClient::onConnect(mosquitto*, void* self, int code) {
    static_cast<MqttClient*>(self)->events_.push_back({Event::Kind::ConnectAnswer, code, {}});
}

void MqttClient::onMessage(mosquitto*, void* self, const mosquitto_message* message) {
    MqttMessage copy{QString::fromUtf8(message->topic),
                     QByteArray(static_cast<const char*>(message->payload), message->payloadlen),
                     message->retain};
    static_cast<MqttClient*>(self)->events_.push_back({Event::Kind::Message, 0, std::move(copy)});
}

void MqttClient::connectToBroker() {
    state_ = State::Connecting;
    deadline_.start(kConnectTimeoutMs);
    housekeeping_.start();
    qCDebug(lcMqtt) << "connecting to the broker" << settings_.host << settings_.port;
    const QByteArray host = settings_.host.toUtf8();
    const int port = settings_.port;
    const int keepAlive = settings_.keepAliveSeconds;
    run([&](mosquitto* client) {
        return mosquitto_connect_async(client, host.constData(), port, keepAlive);
    });
}

template <typename Step> void MqttClient::run(Step step) {
    if (client_ == nullptr)
        return;
    const int result = step(client_);
    QPointer<MqttClient> alive(this);
    dispatch();
    if (!alive)
        return;
    handle(result);
    if (alive)
        followSocket();
}

void MqttClient::handle(int result) {
    if (result == MOSQ_ERR_SUCCESS || result == MOSQ_ERR_CONN_PENDING)
        return;
    if (state_ == State::Stopping)
        finishStop();
    else if (state_ == State::Connecting || state_ == State::Connected)
        connectionLost(errorText(result));
}

void MqttClient::followSocket() {
    // A connection given up on is no longer followed, even while the library
    // still holds its socket.
    const bool active =
        state_ == State::Connecting || state_ == State::Connected || state_ == State::Stopping;
    const int socket = active && client_ != nullptr ? mosquitto_socket(client_) : -1;
    if (socket != socket_) {
        reader_.reset();
        writer_.reset();
        socket_ = socket;
        if (socket_ >= 0) {
            reader_ = std::make_unique<QSocketNotifier>(socket_, QSocketNotifier::Read);
            writer_ = std::make_unique<QSocketNotifier>(socket_, QSocketNotifier::Write);
            connect(reader_.get(), &QSocketNotifier::activated, this,
                    [this] { run(&MqttClient::readPackets); });
            connect(writer_.get(), &QSocketNotifier::activated, this, [this] {
                run([](mosquitto* client) { return mosquitto_loop_write(client, 1); });
            });
        }
    }
    if (writer_)
        writer_->setEnabled(mosquitto_want_write(client_));
    if (socket_ < 0 && state_ == State::Stopping)
        finishStop();
    else if (socket_ < 0 && (state_ == State::Connecting || state_ == State::Connected))
        connectionLost(QStringLiteral("connection closed"));
}

void MqttClient::dispatch() {
    QPointer<MqttClient> alive(this);
    std::vector<Event> events;
    events.swap(events_);
    for (Event& event : events) {
        if (event.kind == Event::Kind::Message) {
            // Even when the connection broke right after it: the message was
            // acknowledged, so the broker will not send it again.
            Q_EMIT messageReceived(event.message);
        } else if (event.code != 0) {
            connectionLost(QStringLiteral("connection refused: ") +
                           QString::fromUtf8(mosquitto_connack_string(event.code)));
        } else if (state_ == State::Connecting) {
            state_ = State::Connected;
            deadline_.stop();
            retryMs_ = kFirstRetryMs;
            failureLogged_ = false;
            qCInfo(lcMqtt).noquote() << QStringLiteral("connected to the broker %1:%2")
                                            .arg(settings_.host)
                                            .arg(settings_.port);
            Q_EMIT connected();
        }
        if (!alive)
            return;
    }
}

void MqttClient::connectionLost(const QString& reason) {
    const bool wasConnected = state_ == State::Connected;
    state_ = State::WaitingToRetry;
    reader_.reset();
    writer_.reset();
    socket_ = -1;
    deadline_.stop();
    housekeeping_.stop();
    const QString line = QStringLiteral("broker %1:%2: %3; trying again in %4 s")
                             .arg(settings_.host)
                             .arg(settings_.port)
                             .arg(reason)
                             .arg(retryMs_ / 1000);
    // One warning per outage; the repeats only for those who ask for details.
    if (failureLogged_) {
        qCDebug(lcMqtt).noquote() << line;
    } else {
        qCWarning(lcMqtt).noquote() << line;
        failureLogged_ = true;
    }
    retry_.start(retryMs_);
    retryMs_ = std::min(retryMs_ * 2, kLongestRetryMs);
    if (wasConnected)
        Q_EMIT disconnected();
}

void MqttClient::finishStop() {
    reader_.reset();
    writer_.reset();
    socket_ = -1;
    deadline_.stop();
    housekeeping_.stop();
    retry_.stop();
    const bool wasStopped = state_ == State::Stopped;
    state_ = State::Stopped;
    if (!wasStopped)
        Q_EMIT stopped();
}

} // namespace orfa::mqtt
