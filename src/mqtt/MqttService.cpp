#include "mqtt/MqttService.h"

#include "config/AmplifierAddress.h"
#include "config/ProgramVersion.h"
#include "data/OutputGroups.h"
#include "mqtt/HomeAssistantDiscovery.h"
#include "mqtt/MqttLog.h"
#include "mqtt/StateMessages.h"

namespace orfa::mqtt {
namespace {

const QByteArray kOnline = QByteArrayLiteral("online");
const QByteArray kOffline = QByteArrayLiteral("offline");

// Points the link at the given address, if any, and returns the amplifier's
// id: the one configured, or one made of the address.
QString resolveAmplifier(data::DataModule& data, const ServiceOptions& options) {
    if (const auto given = config::parseHostAndPort(options.amplifierAddress))
        data.link().setAddress(given->host, given->port);
    if (!options.amplifierId.isEmpty())
        return options.amplifierId;
    return topicSafe(data.link().host().trimmed() + QLatin1Char('_') +
                     data.link().port().trimmed());
}

BrokerSettings brokerFor(const ServiceOptions& options, const QString& amplifierId) {
    BrokerSettings broker = options.broker;
    if (broker.clientId.isEmpty())
        broker.clientId = QStringLiteral("orfa-mqtt-") + amplifierId;
    return broker;
}

} // namespace

MqttService::MqttService(const QString& configDir, const ServiceOptions& options, QObject* parent)
    : QObject(parent)
    , data_(configDir)
    , options_(options)
    , amplifierId_(resolveAmplifier(data_, options_))
    , topics_(options_.prefix, amplifierId_)
    , client_(brokerFor(options_, amplifierId_))
    , publisher_(client_)
    , poller_(data_.control(), options_.intervalMs)
    , commands_(data_.control(), topics_, names_) {
    publishSoon_.setSingleShot(true);
    publishSoon_.setInterval(0);
    connect(&publishSoon_, &QTimer::timeout, this, &MqttService::publishState);
}

bool MqttService::start() {
    link::AmpLink& link = data_.link();
    if (!data_.databaseError().isEmpty()) {
        error_ = QStringLiteral("the central database cannot be read: ") + data_.databaseError();
        return false;
    }
    if (!config::parseHostAndPort(link.host().trimmed() + QLatin1Char(':') + link.port())) {
        error_ = QStringLiteral("no amplifier address in the settings; use --amp HOST:PORT");
        return false;
    }
    if (!takeOperatorRights())
        return false;
    if (!readNames()) {
        error_ = QStringLiteral("the names of outputs and sources cannot be read");
        return false;
    }
    followTheAmplifier();
    connect(&client_, &MqttClient::connected, this, &MqttService::brokerConnected);
    connect(&client_, &MqttClient::messageReceived, this, &MqttService::handleMessage);
    connect(&client_, &MqttClient::stopped, this, &MqttService::stopped);

    client_.setWill(topics_.availability(), kOffline);
    qCInfo(lcMqtt).noquote() << QStringLiteral("amplifier %1:%2 on the topics %3")
                                    .arg(link.host(), link.port(), topics_.base());
    client_.start();
    poller_.start();
    return true;
}

void MqttService::followTheAmplifier() {
    model::AmplifierModel& model = data_.amplifier();
    const auto soon = [this] { publishSoon_.start(); };
    connect(&model, &model::AmplifierModel::powerChanged, this, soon);
    connect(&model, &model::AmplifierModel::masterVolumeChanged, this, soon);
    connect(&model, &model::AmplifierModel::outputSourceChanged, this, soon);
    connect(&model, &model::AmplifierModel::outputLevelChanged, this, soon);
    connect(&model, &model::AmplifierModel::muteChanged, this, soon);
    connect(&model, &model::AmplifierModel::itemStateChanged, this, soon);
    connect(&model, &model::AmplifierModel::tunedFrequencyChanged, this, soon);
    connect(&model, &model::AmplifierModel::answeringChanged, this, [this](bool answering) {
        if (answering)
            qCInfo(lcMqtt) << "the amplifier answers";
        else
            qCWarning(lcMqtt) << "the amplifier does not answer";
        publishAvailability();
    });
    connect(&poller_, &AmplifierPoller::aboutToPoll, this, [this] {
        if (readNames() && client_.isConnected()) {
            publishDiscovery();
            publishSoon_.start();
        }
    });
}

void MqttService::stop() {
    stopping_ = true;
    publisher_.publish({topics_.availability(), kOffline});
    client_.stop();
}

bool MqttService::takeOperatorRights() {
    if (options_.siteUser.isEmpty()) {
        data_.grantAllRights();
        return true;
    }
    if (data_.loadUserRights(options_.siteUser))
        return true;
    error_ = QStringLiteral("the site has no user named \"%1\" (SiteUser)").arg(options_.siteUser);
    return false;
}

bool MqttService::readNames() {
    const std::optional<config::IoNames> names = data_.readIoNames();
    if (!names)
        return false;
    names_ = AmplifierNames(*names);
    data::applyOutputGroups(data_.amplifier(), *names);
    commands_.setAccess(users::OperatorAccess(*names, data_.rights(),
                                              data_.usesDatabase()
                                                  ? users::LevelRule::FlagAndVolume
                                                  : users::LevelRule::FlagMatrixAndVolume));
    return true;
}

void MqttService::brokerConnected() {
    publisher_.forget();
    for (const QString& filter : topics_.commandFilters())
        client_.subscribe(filter);
    publishDiscovery();
    publishAvailability();
    publishState();
    poller_.pollNow();
}

void MqttService::publishDiscovery() {
    publisher_.publish(discoveryMessages(
        topics_, names_,
        {options_.discoveryPrefix, amplifierId_, options_.deviceName, config::programVersion()}));
}

void MqttService::publishAvailability() {
    if (!stopping_)
        publisher_.publish(
            {topics_.availability(), data_.amplifier().isAnswering() ? kOnline : kOffline});
}

void MqttService::publishState() {
    if (!stopping_)
        publisher_.publish(stateMessages(data_.amplifier(), topics_, names_));
}

void MqttService::handleMessage(const MqttMessage& message) {
    if (stopping_)
        return;
    commands_.handle(message);
}

} // namespace orfa::mqtt
