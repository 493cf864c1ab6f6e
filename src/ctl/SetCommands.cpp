#include "ctl/SetCommands.h"

#include "ctl/CtlContext.h"
#include "data/DataModule.h"
#include "model/AmpControl.h"
#include "model/Units.h"

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
    for (std::size_t b = 0; b < model::kBandNames.size(); ++b) {
        if (wanted ==
            QLatin1String(model::kBandNames.at(b)).toString().toLower().remove(QLatin1Char(' ')))
            return static_cast<int>(b) + 1;
    }
    return wholeNumber(word, 1, model::kBandCount, QStringLiteral("the band"), context);
}

int usage(const CtlContext& context, const QString& text) {
    return context.fail(kExitUsage, text);
}

// The exit code of an intent the model was given: kExitDone when it is on its
// way (or nothing needed sending).
int intentCode(const model::IntentResult& result, const CtlContext& context) {
    using Outcome = model::IntentResult::Outcome;
    switch (result.outcome) {
    case Outcome::Queued:
    case Outcome::Unchanged:
        return kExitDone;
    case Outcome::NotAllowed:
        return context.fail(kExitNotAllowed, QStringLiteral("not allowed: %1").arg(result.reason));
    case Outcome::Invalid:
        return usage(context, QStringLiteral("%1 does not exist").arg(result.reason));
    case Outcome::NotQueued:
        break;
    }
    return context.fail(kExitAmplifierFailed,
                        QStringLiteral("the link could not queue %1").arg(result.reason));
}

Spread spreadOf(const CtlContext& context) {
    return context.arguments.noGroup ? Spread::OutputOnly : Spread::Group;
}

int power(const QStringList& w, const CtlContext& context) {
    if (w[0] != QLatin1String("on") && w[0] != QLatin1String("off"))
        return usage(context, QStringLiteral("power wants on or off, not \"%1\"").arg(w[0]));
    return intentCode(context.data.control().setPower(w[0] == QLatin1String("on")), context);
}

int master(const QStringList& w, const CtlContext& context) {
    const auto db = wholeNumber(w[0], model::kMasterDbLowest, model::kMasterDbHighest,
                                QStringLiteral("the master volume in dB"), context);
    if (!db)
        return kExitUsage;
    return intentCode(context.data.control().setMasterVolumeDb(context.access, *db), context);
}

// The output a word names, or nothing after the message.
std::optional<int> outputOf(const QString& word, const CtlContext& context) {
    QString error;
    const auto output = context.naming.output(word, error);
    if (!output)
        usage(context, error);
    return output;
}

int level(const QStringList& w, const CtlContext& context) {
    const auto output = outputOf(w[0], context);
    const auto level = output ? wholeNumber(w[1], model::kLevelLoudest, model::kLevelMuted,
                                            QStringLiteral("the level"), context)
                              : std::nullopt;
    if (!level)
        return kExitUsage;
    return intentCode(
        context.data.control().setOutputLevel(context.access, *output, *level, spreadOf(context)),
        context);
}

int volume(const QStringList& w, const CtlContext& context) {
    const auto output = outputOf(w[0], context);
    const auto volume = output ? wholeNumber(w[1], model::volumeOfLevel(model::kLevelMuted),
                                             model::volumeOfLevel(model::kLevelLoudest),
                                             QStringLiteral("the volume"), context)
                               : std::nullopt;
    if (!volume)
        return kExitUsage;
    return intentCode(
        context.data.control().setOutputVolume(context.access, *output, *volume, spreadOf(context)),
        context);
}

int mute(const QStringList& w, const CtlContext& context) {
    const QString state = w.size() > 1 ? w[1] : QStringLiteral("on");
    if (state != QLatin1String("on") && state != QLatin1String("off"))
        return usage(context, QStringLiteral("mute wants on or off, not \"%1\"").arg(state));
    const auto output = outputOf(w[0], context);
    if (!output)
        return kExitUsage;
    // Whether the output is muted, and so what unmuting sets, is read first.
    context.data.control().read({model::Reading::OutputLevels});
    if (const int code = context.settle(); code != kExitDone)
        return code;
    return intentCode(context.data.control().setMuted(
                          context.access, *output, state == QLatin1String("on"), spreadOf(context)),
                      context);
}

int source(const QStringList& w, const CtlContext& context) {
    QString error;
    const auto output = context.naming.output(w[0], error);
    const auto source = output ? context.naming.source(w[1], error) : std::nullopt;
    if (!output || !source)
        return usage(context, error);
    return intentCode(context.data.control().setOutputSource(context.access, *output, *source),
                      context);
}

int inputParameter(const QString& boxWord, std::optional<int> parameter, std::optional<int> value,
                   const CtlContext& context) {
    QString error;
    const auto box = context.naming.inputBox(boxWord, error);
    if (!box)
        return usage(context, error);
    if (!parameter || !value)
        return kExitUsage;
    return intentCode(
        context.data.control().setInputParameter(context.access, *box, *parameter, *value),
        context);
}

int gain(const QStringList& w, const CtlContext& context) {
    if (QString error; !context.naming.inputBox(w[0], error))
        return usage(context, error);
    return inputParameter(w[0], link::kGainParameter,
                          wholeNumber(w[1], model::kGainLowest, model::kGainHighest,
                                      QStringLiteral("the gain"), context),
                          context);
}

int eq(const QStringList& w, const CtlContext& context) {
    if (QString error; !context.naming.inputBox(w[0], error))
        return usage(context, error);
    const auto bandNumber = band(w[1], context);
    const auto db = bandNumber ? wholeNumber(w[2], model::kBandDbLowest, model::kBandDbHighest,
                                             QStringLiteral("the band in dB"), context)
                               : std::nullopt;
    return inputParameter(w[0], bandNumber ? std::optional<int>(*bandNumber + 1) : std::nullopt, db,
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
    model::AmpControl& control = context.data.control();
    return intentCode(recall ? control.recallPreset(context.access, *number)
                             : control.storePreset(context.access, *number),
                      context);
}

int memory(const QStringList& w, const CtlContext& context) {
    const auto number =
        wholeNumber(w[0], 1, link::kRadioMemoryCount, QStringLiteral("the memory"), context);
    if (!number)
        return kExitUsage;
    return intentCode(context.data.control().recallRadioMemory(context.access, *number), context);
}

// Each command queues its intent; a code other than kExitDone means nothing was queued.
struct SetCommand {
    const char* name;
    qsizetype words;
    qsizetype optionalWords;
    const char* synopsis;
    int (*queue)(const QStringList& words, const CtlContext& context);
};

constexpr SetCommand kCommands[] = {
    {"power", 1, 0, "power on|off", power},
    {"master", 1, 0, "master DB", master},
    {"level", 2, 0, "level OUTPUT LEVEL", level},
    {"volume", 2, 0, "volume OUTPUT VOLUME", volume},
    {"mute", 1, 1, "mute OUTPUT [on|off]", mute},
    {"source", 2, 0, "source OUTPUT SOURCE", source},
    {"gain", 2, 0, "gain INPUT VALUE", gain},
    {"eq", 3, 0, "eq INPUT BAND DB", eq},
    {"preset", 2, 0, "preset recall|store N", preset},
    {"memory", 1, 0, "memory N", memory},
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
    if (words.size() < command->words || words.size() > command->words + command->optionalWords)
        return usage(context,
                     QStringLiteral("usage: orfactl %1").arg(QLatin1String(command->synopsis)));
    if (const int code = command->queue(words, context); code != kExitDone)
        return code;
    return context.settle();
}

} // namespace orfa::ctl
