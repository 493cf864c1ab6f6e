#include "panel/OutputsPage.h"

#include "panel/OutputStrip.h"

#include <QGridLayout>

namespace orfa::panel {

OutputsPage::OutputsPage(int firstOutput, QWidget* parent)
    : QWidget(parent)
    , firstOutput_(firstOutput) {
    auto* grid = new QGridLayout(this);
    grid->setSpacing(6);
    for (int i = 0; i < kStrips; ++i) {
        auto* strip = new OutputStrip(firstOutput + i, this);
        strips_.at(static_cast<std::size_t>(i)) = strip;
        grid->addWidget(strip, i / (kStrips / 2), i % (kStrips / 2));
    }
}

} // namespace orfa::panel
