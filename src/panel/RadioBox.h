#pragma once

#include "link/Instructions.h"

#include <QGroupBox>

#include <array>

class QPushButton;

namespace orfa::panel {

class CaptionedLabel;

// The radio: tuned frequency and the nine memory buttons (three columns).
class RadioBox : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioBox(QWidget* parent = nullptr);

    CaptionedLabel* frequencyLabel() const { return frequency_; }
    // 1..9
    QPushButton* memoryButton(int memory) const {
        return buttons_.at(static_cast<std::size_t>(memory - 1));
    }
    // The accessible name of a memory button; label is the memory's name, or
    // its number while it has none.
    static QString memoryButtonName(const QString& label);

private:
    CaptionedLabel* frequency_ = nullptr;
    std::array<QPushButton*, link::kRadioMemoryCount> buttons_{};
};

} // namespace orfa::panel
