#include "mqtt/CommandHandler.h"

#include "link/Instructions.h"
#include "model/AmpControl.h"
#include "model/Units.h"
#include "mqtt/AmplifierNames.h"
#include "mqtt/CommandPayload.h"
#include "mqtt/MqttLog.h"
#include "mqtt/TopicLayout.h"

namespace orfa::mqtt {
namespace {

// At most this much of a payload goes into the log.
constexpr qsizetype kLoggedPayload = 40;

CommandHandler::Outcome ignore(const MqttMessage& message, const QString& why) {
    qCWarning(lcMqtt).noquote() << QStringLiteral("ignored \"%1\" on %2: %3")
                                       .arg(QString::fromUtf8(message.payload.left(kLoggedPayload)),
                                            message.topic, why);
    return CommandHandler::Outcome::Ignored;
}

CommandHandler::Outcome ignore(const MqttMessage& message, const char* why) {
    return ignore(message, QString::fromLatin1(why));
}

} // namespace

CommandHandler::CommandHandler(model::AmpControl& control, const TopicLayout& topics,
                               const AmplifierNames& names)
    : control_(control)
    , topics_(topics)
    , names_(names) {}

void CommandHandler::setAccess(const users::OperatorAccess& access) {
    access_ = access;
}

CommandHandler::Outcome CommandHandler::handle(const MqttMessage& message) {
    // A retained command would be carried out again at every connection.
    if (message.retained)
        return ignore(message, "a retained command");
    const std::optional<CommandTopic> command = topics_.parseCommand(message.topic);
    if (!command)
        return ignore(message, "not a command topic");
    if (command->output != 0 && !names_.outputEnabled(command->output))
        return ignore(message, "the output is switched off in the settings");
    if (!access_)
        return ignore(message, "the service has no operator");
    return carryOut(*command, message);
}

model::IntentResult CommandHandler::intent(const CommandTopic& command, const QByteArray& payload,
                                           const char*& malformed) {
    using Kind = CommandTopic::Kind;
    const users::OperatorAccess& access = *access_;
    const int output = command.output;
    switch (command.kind) {
    case Kind::Power:
        if (const std::optional<bool> on = parseSwitch(payload))
            return control_.setPower(*on);
        malformed = "not ON or OFF";
        break;
    case Kind::Master:
        if (const auto db =
                parseWholeNumber(payload, model::kMasterDbLowest, model::kMasterDbHighest))
            return control_.setMasterVolumeDb(access, *db);
        malformed = "not a whole number of dB from -79 to 80";
        break;
    case Kind::Level:
        if (const auto level = parseWholeNumber(payload, model::kLevelLoudest, model::kLevelMuted))
            return control_.setOutputLevel(access, output, *level);
        malformed = "not a whole number from 0 to 79";
        break;
    case Kind::Volume:
        if (const auto volume = parseWholeNumber(payload, 0, model::volumeOfLevel(0)))
            return control_.setOutputVolume(access, output, *volume);
        malformed = "not a whole number from 0 to 79";
        break;
    case Kind::Source:
        if (const auto source = names_.findSource(QString::fromUtf8(payload)))
            return control_.setOutputSource(access, output, *source);
        malformed = "names no source that is switched on";
        break;
    case Kind::Mute:
        if (const std::optional<bool> muted = parseSwitch(payload))
            return control_.setMuted(access, output, *muted);
        malformed = "not ON or OFF";
        break;
    case Kind::Preset:
        if (const auto preset = parseWholeNumber(payload, 1, link::kPresetCount))
            return control_.recallPreset(access, *preset);
        malformed = "not a preset from 1 to 8";
        break;
    case Kind::Memory:
        // The tuned frequency is read back.
        if (const auto memory = parseWholeNumber(payload, 1, link::kRadioMemoryCount))
            return control_.recallRadioMemory(access, *memory);
        malformed = "not a radio memory from 1 to 9";
        break;
    }
    return model::IntentResult::invalid({});
}

CommandHandler::Outcome CommandHandler::carryOut(const CommandTopic& command,
                                                 const MqttMessage& message) {
    const char* malformed = nullptr;
    const model::IntentResult result = intent(command, message.payload, malformed);
    if (malformed != nullptr)
        return ignore(message, malformed);
    if (!result.accepted())
        return ignore(message, QStringLiteral("not allowed or not possible: ") + result.reason);
    return Outcome::Done;
}

} // namespace orfa::mqtt
