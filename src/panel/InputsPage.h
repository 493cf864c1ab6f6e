#pragma once

#include <QWidget>

#include <array>

namespace orfa::panel {

class InputBox;
class RadioBox;

// Page "Vstupy": boxes 1 and 2, 3 and 4, then the radio and box 5.
class InputsPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBoxes = 5;

    explicit InputsPage(QWidget* parent = nullptr);

    InputBox* box(int k) const { return boxes_.at(static_cast<std::size_t>(k - 1)); }
    RadioBox* radio() const { return radio_; }

private:
    std::array<InputBox*, kBoxes> boxes_{};
    RadioBox* radio_ = nullptr;
};

} // namespace orfa::panel
