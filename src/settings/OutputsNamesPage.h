#pragma once

#include "config/NstValues.h"
#include "settings/NameRow.h"

#include <QWidget>

#include <vector>

namespace orfa::settings {

// The page "Výstupy": names and enable flags of the 16 outputs, 1 to 8 in the left column
// and 9 to 16 in the right one.
class OutputsNamesPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPerColumn = 8;

    explicit OutputsNamesPage(QWidget* parent = nullptr);

    void load(const config::NstValues& values);
    void store(config::NstValues& values) const;

    // Outputs 9 to 16 are enabled only for an amplifier with 16 outputs; then every name
    // field follows its own check box, so with 8 outputs a ticked output above 8 keeps its
    // name field enabled behind a disabled check box.
    void applyEnabling(bool sixteenOutputs);

    // Output j, 1..16.
    const NameRow& row(int output) const { return rows_.at(static_cast<std::size_t>(output - 1)); }

Q_SIGNALS:
    // The operator clicked one of the enable check boxes.
    void enableClicked();

private:
    std::vector<NameRow> rows_; // output j at j-1
};

} // namespace orfa::settings
