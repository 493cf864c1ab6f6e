#pragma once

#include "link/Instructions.h"

#include <QWidget>

#include <array>

class QGridLayout;

namespace orfa::panel {

class OutputStrip;

// An output page: half of the outputs (eight strips), the first four in the upper row.
// The strips are made by build(), so that a page nobody looks at costs nothing.
class OutputsPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStrips = link::kOutputCount / 2;

    OutputsPage(int firstOutput, QWidget* parent = nullptr);

    int firstOutput() const { return firstOutput_; }
    bool isBuilt() const { return strips_.front() != nullptr; }
    // Makes the strips; once.
    void build();

    // Output numbers firstOutput .. firstOutput + kStrips - 1; null before build().
    OutputStrip* strip(int output) const {
        return strips_.at(static_cast<std::size_t>(output - firstOutput_));
    }

private:
    int firstOutput_;
    QGridLayout* grid_;
    std::array<OutputStrip*, kStrips> strips_{};
};

} // namespace orfa::panel
