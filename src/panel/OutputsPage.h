#pragma once

#include <QWidget>

#include <array>

namespace orfa::panel {

class OutputStrip;

// An output page: eight strips, the first four in the upper row.
class OutputsPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStrips = 8;

    OutputsPage(int firstOutput, QWidget* parent = nullptr);

    // Output numbers firstOutput .. firstOutput + 7.
    OutputStrip* strip(int output) const {
        return strips_.at(static_cast<std::size_t>(output - firstOutput_));
    }

private:
    int firstOutput_;
    std::array<OutputStrip*, kStrips> strips_{};
};

} // namespace orfa::panel
