#pragma once

#include "config/NstValues.h"
#include "settings/NameRow.h"

#include <QWidget>

#include <vector>

namespace orfa::settings {

// The page "Vstupy": names and enable flags of the 10 sources, "Vstup 1:" to "Vstup 7:",
// "Mikrofon:", "Rádio L:" and "Rádio R:".
class InputsNamesPage : public QWidget {
    Q_OBJECT
public:
    explicit InputsNamesPage(QWidget* parent = nullptr);

    void load(const config::NstValues& values);
    void store(config::NstValues& values) const;

    // Each name field is enabled exactly when its input's check box is ticked.
    void applyEnabling();

    // Input i, 1..10.
    const NameRow& row(int input) const { return rows_.at(static_cast<std::size_t>(input - 1)); }

Q_SIGNALS:
    // The operator clicked one of the enable check boxes.
    void enableClicked();

private:
    std::vector<NameRow> rows_; // input i at i-1
};

} // namespace orfa::settings
