#include "mqtt/AmplifierNames.h"

#include "link/Instructions.h"
#include "model/IoNaming.h"

namespace orfa::mqtt {
namespace {

template <typename Entries> const config::IoEntry* entryAt(const Entries& entries, int number) {
    if (number < 1 || number > static_cast<int>(entries.size()))
        return nullptr;
    const auto& entry = entries.at(static_cast<std::size_t>(number - 1));
    return entry ? &*entry : nullptr;
}

QString storedName(const config::IoEntry* entry) {
    return entry != nullptr ? entry->name.trimmed() : QString();
}

} // namespace

AmplifierNames::AmplifierNames(const config::IoNames& names)
    : names_(names)
    , access_(names, users::UserRights::noRights(), users::LevelRule::FlagAndVolume) {
    for (int k = 1; k <= link::kSourceCount; ++k) {
        const QString name = storedName(entryAt(names_.sources, k));
        sourceLabels_.at(static_cast<std::size_t>(k - 1)) =
            name.isEmpty() ? QStringLiteral("Vstup %1").arg(k) : name;
    }
    // A select needs options that tell the sources apart.
    std::array<QString, 10> labels = sourceLabels_;
    for (int k = 1; k <= link::kSourceCount; ++k) {
        const QString& label = sourceLabels_.at(static_cast<std::size_t>(k - 1));
        for (int other = 1; other <= link::kSourceCount; ++other) {
            if (other != k && sourceEnabled(k) && sourceEnabled(other) &&
                label.compare(sourceLabels_.at(static_cast<std::size_t>(other - 1)),
                              Qt::CaseInsensitive) == 0) {
                labels.at(static_cast<std::size_t>(k - 1)) =
                    QStringLiteral("%1 (%2)").arg(label).arg(k);
            }
        }
    }
    sourceLabels_ = labels;
}

QString AmplifierNames::outputLabel(int output) const {
    const QString name = storedName(entryAt(names_.outputs, output));
    return name.isEmpty() ? QStringLiteral("Výstup %1").arg(output) : name;
}

bool AmplifierNames::sourceEnabled(int source) const {
    const config::IoEntry* entry = entryAt(names_.sources, source);
    return entry != nullptr && entry->enabled;
}

QString AmplifierNames::sourceLabel(int source) const {
    if (source < 1 || source > link::kSourceCount)
        return {};
    return sourceLabels_.at(static_cast<std::size_t>(source - 1));
}

QStringList AmplifierNames::sourceOptions() const {
    QStringList options;
    for (int k = 1; k <= link::kSourceCount; ++k) {
        if (sourceEnabled(k))
            options << sourceLabel(k);
    }
    return options;
}

std::optional<int> AmplifierNames::findSource(const QString& text) const {
    const QString wanted = text.trimmed();
    for (int k = 1; k <= link::kSourceCount; ++k) {
        if (sourceEnabled(k) && sourceLabel(k).compare(wanted, Qt::CaseInsensitive) == 0)
            return k;
    }
    // Otherwise the number, or the stored name, as orfactl takes them.
    QString error;
    const std::optional<int> source = model::IoNaming(names_).source(wanted, error);
    if (source && sourceEnabled(*source))
        return source;
    return std::nullopt;
}

} // namespace orfa::mqtt
