#pragma once

#include "link/Instructions.h"

#include <QWidget>

#include <array>

namespace orfa::panel {

class OutputStrip;

// An output page: half of the outputs (eight strips), the first four in the upper row.
class OutputsPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStrips = link::kOutputCount / 2;

    OutputsPage(int firstOutput, QWidget* parent = nullptr);

    // Output numbers firstOutput .. firstOutput + kStrips - 1.
    OutputStrip* strip(int output) const {
        return strips_.at(static_cast<std::size_t>(output - firstOutput_));
    }

private:
    int firstOutput_;
    std::array<OutputStrip*, kStrips> strips_{};
};

} // namespace orfa::panel
