#include "model/IoNaming.h"

#include "link/Instructions.h"

#include <QStringList>

#include <vector>

namespace orfa::model {

IoNaming::IoNaming(config::IoNames names)
    : names_(std::move(names)) {}

template <typename Entries>
std::optional<int> IoNaming::find(const Entries& entries, const QString& what, const QString& word,
                                  QString& error) const {
    const int count = static_cast<int>(entries.size());
    bool isNumber = false;
    const int number = word.trimmed().toInt(&isNumber);
    if (isNumber) {
        if (number >= 1 && number <= count)
            return number;
        error = QStringLiteral("%1 %2 does not exist (1 to %3)").arg(what).arg(number).arg(count);
        return std::nullopt;
    }
    const QString wanted = word.trimmed();
    std::vector<int> matches;
    for (int i = 1; i <= count; ++i) {
        const auto& entry = entries.at(static_cast<std::size_t>(i - 1));
        if (entry && entry->name.trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            matches.push_back(i);
    }
    if (matches.size() == 1)
        return matches.front();
    if (matches.empty()) {
        error = QStringLiteral("no %1 is named \"%2\"").arg(what, word);
    } else {
        QStringList numbers;
        for (int match : matches)
            numbers << QString::number(match);
        error = QStringLiteral("\"%1\" names more than one %2: %3; use the number")
                    .arg(word, what, numbers.join(QStringLiteral(", ")));
    }
    return std::nullopt;
}

std::optional<int> IoNaming::output(const QString& word, QString& error) const {
    return find(names_.outputs, QStringLiteral("output"), word, error);
}

std::optional<int> IoNaming::source(const QString& word, QString& error) const {
    return find(names_.sources, QStringLiteral("source"), word, error);
}

std::optional<int> IoNaming::inputBox(const QString& word, QString& error) const {
    bool isNumber = false;
    const int number = word.trimmed().toInt(&isNumber);
    if (isNumber) {
        if (number >= 1 && number <= link::kInputBoxCount)
            return number;
        error = QStringLiteral("input %1 does not exist (1 to %2)")
                    .arg(number)
                    .arg(link::kInputBoxCount);
        return std::nullopt;
    }
    const std::optional<int> source = find(names_.sources, QStringLiteral("input"), word, error);
    if (!source)
        return std::nullopt;
    return (*source + 1) / 2;
}

QString IoNaming::outputName(int output) const {
    if (output < 1 || output > link::kOutputCount)
        return {};
    const auto& entry = names_.outputs.at(static_cast<std::size_t>(output - 1));
    return entry ? entry->name : QString();
}

QString IoNaming::sourceName(int source) const {
    if (source < 1 || source > link::kSourceCount)
        return {};
    const auto& entry = names_.sources.at(static_cast<std::size_t>(source - 1));
    return entry ? entry->name : QString();
}

} // namespace orfa::model
