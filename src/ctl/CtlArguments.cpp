#include "ctl/CtlArguments.h"

#include <QRegularExpression>

namespace orfa::ctl {
namespace {

bool isNegativeNumber(const QString& word) {
    static const QRegularExpression number(QStringLiteral("^-\\d+(\\.\\d+)?$"));
    return number.match(word).hasMatch();
}

// "--name=value" or "--name value"; false when the value is missing.
bool takeValue(const QStringList& arguments, qsizetype& i, const QString& inlineValue,
               bool hasInline, QString& value) {
    if (hasInline) {
        value = inlineValue;
        return true;
    }
    if (i + 1 >= arguments.size())
        return false;
    value = arguments.at(++i);
    return true;
}

// Stores an option that takes a value; false with a message when the value is unusable.
bool setValueOption(CtlArguments& parsed, const QString& name, const QString& value,
                    QString& error) {
    if (name == QLatin1String("--amp")) {
        parsed.amp = value;
    } else if (name == QLatin1String("--user")) {
        parsed.user = value;
    } else if (name == QLatin1String("--only")) {
        parsed.only = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
    } else {
        bool ok = false;
        const double seconds = value.toDouble(&ok);
        if (!ok || seconds <= 0 || seconds > 3600) {
            error = QStringLiteral("--timeout wants seconds, more than 0 and at most 3600");
            return false;
        }
        parsed.timeoutMs = static_cast<int>(seconds * 1000);
    }
    return true;
}

// A flag without a value; false when name is none.
bool setFlag(CtlArguments& parsed, const QString& name) {
    if (name == QLatin1String("-h") || name == QLatin1String("--help"))
        parsed.help = true;
    else if (name == QLatin1String("--version"))
        parsed.version = true;
    else if (name == QLatin1String("--json"))
        parsed.json = true;
    else if (name == QLatin1String("--no-group"))
        parsed.noGroup = true;
    else
        return false;
    return true;
}

bool takesValue(const QString& name) {
    return name == QLatin1String("--amp") || name == QLatin1String("--user") ||
           name == QLatin1String("--only") || name == QLatin1String("--timeout");
}

} // namespace

std::optional<CtlArguments> parseArguments(const QStringList& arguments, QString& error) {
    CtlArguments parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        if (optionsEnded || !word.startsWith(QLatin1Char('-')) || isNegativeNumber(word) ||
            word == QLatin1String("-")) {
            parsed.words << word;
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? word : word.left(equals);
        if (setFlag(parsed, name))
            continue;
        if (!takesValue(name)) {
            error = QStringLiteral("unknown option %1").arg(word);
            return std::nullopt;
        }
        QString value;
        if (!takeValue(arguments, i, equals < 0 ? QString() : word.mid(equals + 1), equals >= 0,
                       value)) {
            error = QStringLiteral("option %1 needs a value").arg(name);
            return std::nullopt;
        }
        if (!setValueOption(parsed, name, value, error))
            return std::nullopt;
    }
    return parsed;
}

QString usageText() {
    return QStringLiteral(
        "Usage: orfactl [options] COMMAND [ARGUMENTS]\n"
        "\n"
        "Controls the PA matrix amplifier of the Orfa panel from the command line.\n"
        "Outputs and sources are given by number or by their name in the settings.\n"
        "\n"
        "Commands:\n"
        "  status                         power, master volume, outputs, inputs, radio\n"
        "  power on|off                   switch the amplifier on or off\n"
        "  master DB                      master volume, -79 to 80 dB\n"
        "  level OUTPUT LEVEL             output level, 0 (loudest) to 79 (muted);\n"
        "                                 the output's group moves with it\n"
        "  volume OUTPUT VOLUME           output volume, 0 (muted) to 79 (loudest):\n"
        "                                 79 - level\n"
        "  mute OUTPUT [on|off]           mute (level 79, with its group) or unmute\n"
        "                                 (the level before; 40 when none is known)\n"
        "  source OUTPUT SOURCE           route a source (1-10 or name) to an output\n"
        "  gain INPUT VALUE               input gain 0 to 15\n"
        "  eq INPUT BAND DB               equaliser band 1-5 (60 Hz, 250 Hz, 1 kHz,\n"
        "                                 3 kHz, 10 kHz), -12 to 12 dB\n"
        "  preset recall|store N          recall or store preset 1 to 8\n"
        "  memory N                       tune the radio to memory 1 to 9\n"
        "  snapshot save FILE             save the whole state as JSON\n"
        "  snapshot restore FILE          send what differs from FILE, then check it\n"
        "\n"
        "INPUT is an input box 1 to 5 (box k serves sources 2k-1 and 2k) or the\n"
        "name of one of its sources.\n"
        "\n"
        "Options:\n"
        "  --amp HOST:PORT     the amplifier (default: from the settings)\n"
        "  --user NAME         log in as NAME; the password comes from ORFA_PASSWORD\n"
        "                      or is asked for on the terminal\n"
        "  --json              print data as JSON\n"
        "  --no-group          move only the output named, not its group\n"
        "  --only LIST         snapshot restore: only these of power,master,outputs,inputs\n"
        "  --timeout SECONDS   how long to wait for the amplifier (default 5)\n"
        "  -h, --help          this text\n"
        "  --version           the version\n"
        "\n"
        "Exit codes: 0 done, 1 the amplifier refused a command or never answered,\n"
        "2 usage, 3 amplifier unreachable, 4 login failed or not allowed.\n"
        "The settings are read from ORFA_CONFIG_DIR or where the panel keeps them.\n");
}

} // namespace orfa::ctl
