#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace orfa::mqtt {

// What a command topic asks for; output 1..16 for the output's commands.
struct CommandTopic {
    enum class Kind { Power, Master, Level, Volume, Source, Mute, Preset, Memory };
    Kind kind = Kind::Power;
    int output = 0;
};

// The topics of one amplifier, all under <prefix>/<amplifier id>/:
//   availability              online | offline
//   power                     ON | OFF
//   master                    master volume in dB, -79 to 80
//   output/<n>/level          the amplifier's level, 0 (loudest) to 79 (muted)
//   output/<n>/volume         79 - level: 0 (muted) to 79 (loudest)
//   output/<n>/source         the source's name
//   output/<n>/mute           ON | OFF
//   radio/frequency           the tuned frequency in MHz
// A command goes to the state topic followed by "/set"; preset/set and
// memory/set take the number of a preset or radio memory to recall.
class TopicLayout {
public:
    TopicLayout(const QString& prefix, const QString& amplifierId);

    const QString& base() const { return base_; }
    QString availability() const { return topic(QStringLiteral("availability")); }
    QString power() const { return topic(QStringLiteral("power")); }
    QString master() const { return topic(QStringLiteral("master")); }
    QString frequency() const { return topic(QStringLiteral("radio/frequency")); }
    QString outputLevel(int output) const { return outputTopic(output, QStringLiteral("level")); }
    QString outputVolume(int output) const { return outputTopic(output, QStringLiteral("volume")); }
    QString outputSource(int output) const { return outputTopic(output, QStringLiteral("source")); }
    QString outputMute(int output) const { return outputTopic(output, QStringLiteral("mute")); }
    QString presetCommand() const { return topic(QStringLiteral("preset/set")); }
    QString memoryCommand() const { return topic(QStringLiteral("memory/set")); }
    static QString command(const QString& stateTopic) {
        return stateTopic + QStringLiteral("/set");
    }

    // The subscriptions that bring every command topic.
    QStringList commandFilters() const;
    // What a topic commands; empty for any other topic, an output outside
    // 1..16 included.
    std::optional<CommandTopic> parseCommand(const QString& topic) const;

private:
    QString topic(const QString& path) const { return base_ + path; }
    QString outputTopic(int output, const QString& item) const;

    QString base_; // "<prefix>/<amplifier id>/"
};

} // namespace orfa::mqtt
