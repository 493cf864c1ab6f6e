#include "mqtt/HomeAssistantDiscovery.h"

#include "link/Instructions.h"
#include "link/ValueCodec.h"
#include "mqtt/AmplifierNames.h"
#include "mqtt/TopicLayout.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orfa::mqtt {
namespace {

class ConfigWriter {
public:
    ConfigWriter(const TopicLayout& topics, const DeviceInfo& device)
        : device_(device) {
        deviceEntry_ = QJsonObject{
            {QStringLiteral("identifiers"), QJsonArray{uniqueId(QString())}},
            {QStringLiteral("name"), device.name},
            {QStringLiteral("model"), QStringLiteral("Orfa")},
            {QStringLiteral("sw_version"), device.version},
        };
        availability_ = QJsonArray{QJsonObject{
            {QStringLiteral("topic"), topics.availability()},
            {QStringLiteral("payload_available"), QStringLiteral("online")},
            {QStringLiteral("payload_not_available"), QStringLiteral("offline")},
        }};
    }

    // An entity; without fields it is withdrawn.
    void add(const QString& component, const QString& object, const QString& name,
             QJsonObject fields) {
        const QString id = uniqueId(object);
        const QString topic =
            QStringLiteral("%1/%2/%3/config").arg(device_.discoveryPrefix, component, id);
        if (fields.isEmpty()) {
            messages_.push_back({topic, {}});
            return;
        }
        fields.insert(QStringLiteral("name"), name);
        fields.insert(QStringLiteral("unique_id"), id);
        fields.insert(QStringLiteral("device"), deviceEntry_);
        fields.insert(QStringLiteral("availability"), availability_);
        messages_.push_back({topic, QJsonDocument(fields).toJson(QJsonDocument::Compact)});
    }

    std::vector<RetainedMessage> take() { return std::move(messages_); }

private:
    QString uniqueId(const QString& object) const {
        const QString device = QStringLiteral("orfa_") + device_.amplifierId;
        return object.isEmpty() ? device : device + QLatin1Char('_') + object;
    }

    const DeviceInfo& device_;
    QJsonObject deviceEntry_;
    QJsonArray availability_;
    std::vector<RetainedMessage> messages_;
};

QJsonObject stateAndCommand(const QString& stateTopic) {
    return {{QStringLiteral("state_topic"), stateTopic},
            {QStringLiteral("command_topic"), TopicLayout::command(stateTopic)}};
}

QJsonObject numberFields(const QString& stateTopic, int min, int max) {
    QJsonObject fields = stateAndCommand(stateTopic);
    fields.insert(QStringLiteral("min"), min);
    fields.insert(QStringLiteral("max"), max);
    fields.insert(QStringLiteral("step"), 1);
    fields.insert(QStringLiteral("mode"), QStringLiteral("slider"));
    return fields;
}

QJsonObject switchFields(const QString& stateTopic) {
    QJsonObject fields = stateAndCommand(stateTopic);
    fields.insert(QStringLiteral("payload_on"), QStringLiteral("ON"));
    fields.insert(QStringLiteral("payload_off"), QStringLiteral("OFF"));
    return fields;
}

} // namespace

std::vector<RetainedMessage> discoveryMessages(const TopicLayout& topics,
                                               const AmplifierNames& names,
                                               const DeviceInfo& device) {
    ConfigWriter writer(topics, device);
    writer.add(QStringLiteral("switch"), QStringLiteral("power"),
               QStringLiteral("Zapnutý zesilovač"), switchFields(topics.power()));
    QJsonObject master = numberFields(
        topics.master(), link::kMasterVolumeZeroPosition - link::kMasterVolumeMaxPosition,
        link::kMasterVolumeZeroPosition);
    master.insert(QStringLiteral("unit_of_measurement"), QStringLiteral("dB"));
    writer.add(QStringLiteral("number"), QStringLiteral("master"),
               QStringLiteral("Celková hlasitost"), master);
    writer.add(QStringLiteral("sensor"), QStringLiteral("frequency"),
               QStringLiteral("Naladěná frekvence rádia"),
               {{QStringLiteral("state_topic"), topics.frequency()},
                {QStringLiteral("device_class"), QStringLiteral("frequency")},
                {QStringLiteral("unit_of_measurement"), QStringLiteral("MHz")}});
    for (int preset = 1; preset <= link::kPresetCount; ++preset) {
        writer.add(QStringLiteral("button"), QStringLiteral("preset%1").arg(preset),
                   QStringLiteral("Předvolba %1").arg(preset),
                   {{QStringLiteral("command_topic"), topics.presetCommand()},
                    {QStringLiteral("payload_press"), QString::number(preset)}});
    }

    const QStringList options = names.sourceOptions();
    for (int n = 1; n <= link::kOutputCount; ++n) {
        const bool enabled = names.outputEnabled(n);
        const QString label = names.outputLabel(n);
        const QString object = QStringLiteral("output%1_").arg(n);
        QJsonObject source;
        if (enabled && !options.isEmpty()) {
            source = stateAndCommand(topics.outputSource(n));
            source.insert(QStringLiteral("options"), QJsonArray::fromStringList(options));
        }
        // The volume, so that the slider is louder to the right.
        writer.add(QStringLiteral("number"), object + QStringLiteral("level"),
                   label + QStringLiteral(" hlasitost"),
                   enabled ? numberFields(topics.outputVolume(n), 0, link::kOutputLevelMax)
                           : QJsonObject());
        writer.add(QStringLiteral("select"), object + QStringLiteral("source"),
                   label + QStringLiteral(" zdroj"), source);
        writer.add(QStringLiteral("switch"), object + QStringLiteral("mute"),
                   label + QStringLiteral(" ztlumení"),
                   enabled ? switchFields(topics.outputMute(n)) : QJsonObject());
    }
    return writer.take();
}

} // namespace orfa::mqtt
