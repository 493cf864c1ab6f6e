#pragma once

#include "config/IoNames.h"
#include "users/OperatorAccess.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace orfa::mqtt {

// Outputs and sources as the service shows them: only those the settings
// switch on, under the names the settings give them.
class AmplifierNames {
public:
    explicit AmplifierNames(const config::IoNames& names = {});

    bool outputEnabled(int output) const { return access_.outputEnabled(output); }
    // The stored name, "Výstup <n>" when there is none.
    QString outputLabel(int output) const;

    bool sourceEnabled(int source) const;
    // The stored name of a source 1..10, "Vstup <k>" when there is none; when
    // enabled sources share a name, each of them with " (<k>)" added. Empty
    // for a number out of range.
    QString sourceLabel(int source) const;
    // The labels of the enabled sources, in number order.
    QStringList sourceOptions() const;
    // The enabled source a text names: its label, its number or its stored
    // name (without regard to case).
    std::optional<int> findSource(const QString& text) const;

private:
    config::IoNames names_;
    users::OperatorAccess access_;
    std::array<QString, 10> sourceLabels_;
};

} // namespace orfa::mqtt
