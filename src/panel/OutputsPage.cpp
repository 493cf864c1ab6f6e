#include "panel/OutputsPage.h"

#include "panel/OutputStrip.h"

#include <QGridLayout>

namespace orfa::panel {

OutputsPage::OutputsPage(int firstOutput, QWidget* parent)
    : QWidget(parent)
    , firstOutput_(firstOutput)
    , grid_(new QGridLayout(this)) {
    grid_->setSpacing(6);
}

void OutputsPage::build() {
    if (isBuilt())
        return;
    for (int i = 0; i < kStrips; ++i) {
        auto* strip = new OutputStrip(firstOutput_ + i, this);
        strips_.at(static_cast<std::size_t>(i)) = strip;
        grid_->addWidget(strip, i / (kStrips / 2), i % (kStrips / 2));
    }
    if (isVisible()) {
        // Built while shown: laid out and shown now, not an event later.
        for (OutputStrip* strip : strips_)
            strip->show();
        grid_->activate();
    }
}

} // namespace orfa::panel
