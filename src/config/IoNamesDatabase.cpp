#include "config/IoNamesDatabase.h"

#include "config/Database.h"
#include "config/SettingsKeys.h"

#include <QHash>

namespace orfa::config {
namespace {

enum class RowKind { Source, Output, Memory };

struct RowTarget {
    RowKind kind;
    int number;
};

// The names the panel looks for, spelt exactly as the program writes them.
const QHash<QString, RowTarget>& rowTargets() {
    static const QHash<QString, RowTarget> targets = [] {
        QHash<QString, RowTarget> t;
        for (int i = 1; i <= 10; ++i)
            t.insert(keys::inputEnabled(i), RowTarget{RowKind::Source, i});
        for (int n = 1; n <= 16; ++n)
            t.insert(keys::outputEnabled(n), RowTarget{RowKind::Output, n});
        for (int r = 1; r <= 9; ++r)
            t.insert(keys::radioName(r), RowTarget{RowKind::Memory, r});
        return t;
    }();
    return targets;
}

} // namespace

IoNames readIoNames(Database& db) {
    IoNames names;
    for (int r = 1; r <= 9; ++r)
        names.radioNames.at(static_cast<std::size_t>(r - 1)) = keys::defaultRadioName(r);

    db.execute(QStringLiteral("Select * FROM nst order by Nazev"));
    for (const ResultRow& row : db.rows()) {
        const auto target = rowTargets().constFind(row.text(QStringLiteral("NAZEV")));
        if (target == rowTargets().cend())
            continue;
        const auto index = static_cast<std::size_t>(target->number - 1);
        const QString text = row.text(QStringLiteral("HODNTXT"));
        const bool on = row.integer(QStringLiteral("HODNINT")) == 1;
        switch (target->kind) {
        case RowKind::Source:
            names.sources.at(index) = IoEntry{text, on};
            break;
        case RowKind::Output:
            names.outputs.at(index) = IoEntry{text, on};
            break;
        case RowKind::Memory:
            names.radioNames.at(index) = text;
            break;
        }
    }

    db.execute(QStringLiteral("Select * FROM Skupiny"));
    for (const ResultRow& row : db.rows()) {
        const int output = row.integer(QStringLiteral("IDVSTUPU"));
        if (output >= 1 && output <= 16)
            names.groups.push_back(GroupMember{output, row.integer(QStringLiteral("IDSKUPINY"))});
    }
    return names;
}

} // namespace orfa::config
