#pragma once

#include "link/Instructions.h"

#include <QWidget>

#include <array>

namespace orfa::panel {

class InputBox;
class RadioBox;

// Page "Vstupy": boxes 1 and 2, 3 and 4, then the radio and box 5.
class InputsPage : public QWidget {
    Q_OBJECT
public:
    explicit InputsPage(QWidget* parent = nullptr);

    // 1..5
    InputBox* box(int k) const { return boxes_.at(static_cast<std::size_t>(k - 1)); }
    RadioBox* radio() const { return radio_; }

private:
    std::array<InputBox*, link::kInputBoxCount> boxes_{};
    RadioBox* radio_ = nullptr;
};

} // namespace orfa::panel
