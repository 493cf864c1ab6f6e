#include "ctl/SetCommands.h"

#include "ctl/AmpState.h"
#include "ctl/CtlContext.h"
#include "data/DataModule.h"
#include "link/ValueCodec.h"
#include "model/AmpControl.h"

#include <optional>

namespace orfa::ctl {
namespace {

using Spread = model::AmpControl::Spread;

// A whole number in [low, high], or nothing after the message.
std::optional<int> wholeNumber(const QString& word, int low, int high, const QString& what,
                               const CtlContext& context) {
    bool ok = false;
    const int value = word.trimmed().toInt(&ok);
    if (ok && value >= low && value <= high)
        return value;
    context.fail(kExitUsage, QStringLiteral("%1 must be a whole number from %2 to %3, not \"%4\"")
                                 .arg(what)
                                 .arg(low)
                                 .arg(high)
                                 .arg(word));
    return std::nullopt;
}

std::optional<int> band(const QString& word, const CtlContext& context) {
    const QString wanted = word.trimmed().toLower().remove(QLatin1Char(' '));
    for (std::size_t b = 0; b < kBandNames.size(); ++b) {
        if (wanted == QLatin1String(kBandNames.at(b)).toString().toLower().remove(QLatin1Char(' ')))
            return static_cast<int>(b) + 1;
    }
    return wholeNumber(word, 1, static_cast<int>(kBandNames.size()), QStringLiteral("the band"),
                       context);
}

int notAllowed(const CtlContext& context, const QString& what) {
    return context.fail(kExitNotAllowed, QStringLiteral("not allowed: %1").arg(what));
}

int usage(const CtlContext& context, const QString& text) {
    return context.fail(kExitUsage, text);
}

int power(const QStringList& w, const CtlContext& context) {
    if (w[0] != QLatin1String("on") && w[0] != QLatin1String("off"))
        return usage(context, QStringLiteral("power wants on or off, not \"%1\"").arg(w[0]));
    context.data.control().setPower(w[0] == QLatin1String("on"));
    return kExitDone;
}

int master(const QStringList& w, const CtlContext& context) {
    const int lowest = link::kMasterVolumeZeroPosition - link::kMasterVolumeMaxPosition;
    const auto db = wholeNumber(w[0], lowest, link::kMasterVolumeZeroPosition,
                                QStringLiteral("the master volume in dB"), context);
    if (!db)
        return kExitUsage;
    if (!context.access.mayChangeMasterVolume())
        return notAllowed(context, QStringLiteral("the master volume"));
    context.data.control().setMasterVolume(link::kMasterVolumeZeroPosition - *db);
    return kExitDone;
}

int outputLevel(const QString& outputWord, std::optional<int> level, const CtlContext& context) {
    QString error;
    const auto output = context.naming.output(outputWord, error);
    if (!output)
        return usage(context, error);
    if (!level)
        return kExitUsage;
    if (!context.access.mayChangeLevel(*output))
        return notAllowed(context, QStringLiteral("the level of output %1").arg(*output));
    context.data.control().setOutputLevel(
        *output, *level, context.arguments.noGroup ? Spread::OutputOnly : Spread::Group);
    return kExitDone;
}

int level(const QStringList& w, const CtlContext& context) {
    if (QString error; !context.naming.output(w[0], error))
        return usage(context, error);
    return outputLevel(
        w[0], wholeNumber(w[1], 0, link::kOutputLevelMax, QStringLiteral("the level"), context),
        context);
}

int mute(const QStringList& w, const CtlContext& context) {
    return outputLevel(w[0], link::kOutputLevelMax, context);
}

int source(const QStringList& w, const CtlContext& context) {
    QString error;
    const auto output = context.naming.output(w[0], error);
    const auto source = output ? context.naming.source(w[1], error) : std::nullopt;
    if (!output || !source)
        return usage(context, error);
    if (!context.access.mayChooseSource(*output, *source))
        return notAllowed(context,
                          QStringLiteral("source %1 on output %2").arg(*source).arg(*output));
    context.data.control().setOutputSource(*output, *source);
    return kExitDone;
}

int inputParameter(const QString& boxWord, std::optional<int> parameter,
                   std::optional<int> position, const CtlContext& context) {
    QString error;
    const auto box = context.naming.inputBox(boxWord, error);
    if (!box)
        return usage(context, error);
    if (!parameter || !position)
        return kExitUsage;
    if (!context.access.mayConfigureInput(*box))
        return notAllowed(context, QStringLiteral("input %1").arg(*box));
    context.data.control().setInputParameter(*box, *parameter, *position);
    return kExitDone;
}

int gain(const QStringList& w, const CtlContext& context) {
    if (QString error; !context.naming.inputBox(w[0], error))
        return usage(context, error);
    return inputParameter(
        w[0], link::kGainParameter,
        wholeNumber(w[1], 0, link::kGainMaxPosition, QStringLiteral("the gain"), context), context);
}

int eq(const QStringList& w, const CtlContext& context) {
    if (QString error; !context.naming.inputBox(w[0], error))
        return usage(context, error);
    const auto bandNumber = band(w[1], context);
    const auto db = bandNumber
                        ? wholeNumber(w[2], -link::kBandZeroPosition, link::kBandZeroPosition,
                                      QStringLiteral("the band in dB"), context)
                        : std::nullopt;
    return inputParameter(w[0], bandNumber ? std::optional<int>(*bandNumber + 1) : std::nullopt,
                          db ? std::optional<int>(link::kBandZeroPosition - *db) : std::nullopt,
                          context);
}

int preset(const QStringList& w, const CtlContext& context) {
    const bool recall = w[0] == QLatin1String("recall");
    if (!recall && w[0] != QLatin1String("store"))
        return usage(context, QStringLiteral("preset wants recall or store, not \"%1\"").arg(w[0]));
    const auto number =
        wholeNumber(w[1], 1, link::kPresetCount, QStringLiteral("the preset"), context);
    if (!number)
        return kExitUsage;
    if (recall ? !context.access.mayRecallPresets() : !context.access.mayStorePresets())
        return notAllowed(context, QStringLiteral("to %1 presets").arg(w[0]));
    if (recall)
        context.data.control().recallPreset(*number);
    else
        context.data.control().storePreset(*number);
    return kExitDone;
}

int memory(const QStringList& w, const CtlContext& context) {
    const auto number =
        wholeNumber(w[0], 1, link::kRadioMemoryCount, QStringLiteral("the memory"), context);
    if (!number)
        return kExitUsage;
    if (!context.access.mayUseRadio())
        return notAllowed(context, QStringLiteral("the radio"));
    context.data.control().recallRadioMemory(*number);
    return kExitDone;
}

// Each command queues its intent; a code other than kExitDone means nothing was queued.
struct SetCommand {
    const char* name;
    qsizetype words;
    const char* synopsis;
    int (*queue)(const QStringList& words, const CtlContext& context);
};

constexpr SetCommand kCommands[] = {
    {"power", 1, "power on|off", power},
    {"master", 1, "master DB", master},
    {"level", 2, "level OUTPUT LEVEL", level},
    {"mute", 1, "mute OUTPUT", mute},
    {"source", 2, "source OUTPUT SOURCE", source},
    {"gain", 2, "gain INPUT VALUE", gain},
    {"eq", 3, "eq INPUT BAND DB", eq},
    {"preset", 2, "preset recall|store N", preset},
    {"memory", 1, "memory N", memory},
};

const SetCommand* find(const QString& name) {
    for (const SetCommand& command : kCommands) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

} // namespace

bool isSetCommand(const QString& command) {
    return find(command) != nullptr;
}

int runSetCommand(const QString& name, const QStringList& words, const CtlContext& context) {
    const SetCommand* command = find(name);
    if (command == nullptr)
        return usage(context, QStringLiteral("unknown command \"%1\"; see --help").arg(name));
    if (words.size() != command->words)
        return usage(context,
                     QStringLiteral("usage: orfactl %1").arg(QLatin1String(command->synopsis)));
    if (const int code = command->queue(words, context); code != kExitDone)
        return code;
    return context.settle();
}

} // namespace orfa::ctl
