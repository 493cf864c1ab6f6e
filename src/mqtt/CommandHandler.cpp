#include "mqtt/CommandHandler.h"

#include "link/Instructions.h"
#include "link/ValueCodec.h"
#include "model/AmpControl.h"
#include "model/AmplifierModel.h"
#include "mqtt/AmplifierNames.h"
#include "mqtt/CommandPayload.h"
#include "mqtt/MqttLog.h"
#include "mqtt/TopicLayout.h"

namespace orfa::mqtt {
namespace {

constexpr int kLowestMasterDb = link::kMasterVolumeZeroPosition - link::kMasterVolumeMaxPosition;
constexpr int kHighestMasterDb = link::kMasterVolumeZeroPosition;

// At most this much of a payload goes into the log.
constexpr qsizetype kLoggedPayload = 40;

CommandHandler::Outcome ignore(const MqttMessage& message, const char* why) {
    qCWarning(lcMqtt).noquote() << QStringLiteral("ignored \"%1\" on %2: %3")
                                       .arg(QString::fromUtf8(message.payload.left(kLoggedPayload)),
                                            message.topic, QLatin1String(why));
    return CommandHandler::Outcome::Ignored;
}

} // namespace

CommandHandler::CommandHandler(model::AmpControl& control, const model::AmplifierModel& model,
                               const TopicLayout& topics, const AmplifierNames& names)
    : control_(control)
    , model_(model)
    , topics_(topics)
    , names_(names) {}

CommandHandler::Outcome CommandHandler::handle(const MqttMessage& message) {
    using Kind = CommandTopic::Kind;
    // A retained command would be carried out again at every connection.
    if (message.retained)
        return ignore(message, "a retained command");
    const std::optional<CommandTopic> command = topics_.parseCommand(message.topic);
    if (!command)
        return ignore(message, "not a command topic");
    const int output = command->output;
    if (output != 0 && !names_.outputEnabled(output))
        return ignore(message, "the output is switched off in the settings");
    const QByteArray& payload = message.payload;

    switch (command->kind) {
    case Kind::Power: {
        const std::optional<bool> on = parseSwitch(payload);
        if (!on)
            return ignore(message, "not ON or OFF");
        control_.setPower(*on);
        return Outcome::Done;
    }
    case Kind::Master: {
        const std::optional<int> db = parseWholeNumber(payload, kLowestMasterDb, kHighestMasterDb);
        if (!db)
            return ignore(message, "not a whole number of dB from -79 to 80");
        control_.setMasterVolume(link::kMasterVolumeZeroPosition - *db);
        return Outcome::Done;
    }
    case Kind::Level: {
        const std::optional<int> level = parseWholeNumber(payload, 0, link::kOutputLevelMax);
        if (!level)
            return ignore(message, "not a whole number from 0 to 79");
        control_.setOutputLevel(output, *level);
        return Outcome::Done;
    }
    case Kind::Source: {
        const std::optional<int> source = names_.findSource(QString::fromUtf8(payload));
        if (!source)
            return ignore(message, "names no source that is switched on");
        control_.setOutputSource(output, *source);
        return Outcome::Done;
    }
    case Kind::Mute: {
        const std::optional<bool> muted = parseSwitch(payload);
        if (!muted)
            return ignore(message, "not ON or OFF");
        const int level = model_.outputLevel(output);
        if (*muted == (level == model::AmplifierModel::kMutedLevel))
            return Outcome::Done; // already so
        if (!*muted && !model_.isMuted(output))
            return ignore(message, "no level known to restore; set the level instead");
        control_.setMuted(output, *muted);
        return Outcome::Done;
    }
    case Kind::Preset: {
        const std::optional<int> preset = parseWholeNumber(payload, 1, link::kPresetCount);
        if (!preset)
            return ignore(message, "not a preset from 1 to 8");
        control_.recallPreset(*preset);
        return Outcome::Recalled;
    }
    case Kind::Memory: {
        const std::optional<int> memory = parseWholeNumber(payload, 1, link::kRadioMemoryCount);
        if (!memory)
            return ignore(message, "not a radio memory from 1 to 9");
        control_.recallRadioMemory(*memory); // reads the tuned frequency back
        return Outcome::Done;
    }
    }
    return Outcome::Ignored;
}

} // namespace orfa::mqtt
