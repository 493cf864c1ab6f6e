#include "mqtt/TopicLayout.h"

#include "link/Instructions.h"

namespace orfa::mqtt {

TopicLayout::TopicLayout(const QString& prefix, const QString& amplifierId)
    : base_(prefix + QLatin1Char('/') + amplifierId + QLatin1Char('/')) {}

QString TopicLayout::outputTopic(int output, const QString& item) const {
    return topic(QStringLiteral("output/%1/%2").arg(output).arg(item));
}

QStringList TopicLayout::commandFilters() const {
    return {topic(QStringLiteral("+/set")), topic(QStringLiteral("output/+/+/set"))};
}

std::optional<CommandTopic> TopicLayout::parseCommand(const QString& topic) const {
    using Kind = CommandTopic::Kind;
    if (!topic.startsWith(base_) || !topic.endsWith(QStringLiteral("/set")))
        return std::nullopt;
    const QStringList levels = topic.mid(base_.size()).split(QLatin1Char('/'));
    if (levels.size() == 2) {
        const QString& item = levels.at(0);
        if (item == QLatin1String("power"))
            return CommandTopic{Kind::Power, 0};
        if (item == QLatin1String("master"))
            return CommandTopic{Kind::Master, 0};
        if (item == QLatin1String("preset"))
            return CommandTopic{Kind::Preset, 0};
        if (item == QLatin1String("memory"))
            return CommandTopic{Kind::Memory, 0};
        return std::nullopt;
    }
    if (levels.size() != 4 || levels.at(0) != QLatin1String("output"))
        return std::nullopt;
    bool ok = false;
    const int output = levels.at(1).toInt(&ok);
    // Only the plain decimal form names an output: "03" or "+3" is another topic.
    if (!ok || output < 1 || output > link::kOutputCount || levels.at(1) != QString::number(output))
        return std::nullopt;
    const QString& item = levels.at(2);
    if (item == QLatin1String("level"))
        return CommandTopic{Kind::Level, output};
    if (item == QLatin1String("volume"))
        return CommandTopic{Kind::Volume, output};
    if (item == QLatin1String("source"))
        return CommandTopic{Kind::Source, output};
    if (item == QLatin1String("mute"))
        return CommandTopic{Kind::Mute, output};
    return std::nullopt;
}

} // namespace orfa::mqtt
