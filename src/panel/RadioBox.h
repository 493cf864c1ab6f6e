#pragma once

#include <QGroupBox>

#include <array>

class QLabel;
class QPushButton;

namespace orfa::panel {

// The radio: tuned frequency and the nine memory buttons (three columns).
class RadioBox : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kMemories = 9;

    explicit RadioBox(QWidget* parent = nullptr);

    QLabel* frequencyLabel() const { return frequency_; }
    // 1..9
    QPushButton* memoryButton(int memory) const {
        return buttons_.at(static_cast<std::size_t>(memory - 1));
    }

private:
    QLabel* frequency_ = nullptr;
    std::array<QPushButton*, kMemories> buttons_{};
};

} // namespace orfa::panel
