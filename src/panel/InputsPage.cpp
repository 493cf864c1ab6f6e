#include "panel/InputsPage.h"

#include "panel/InputBox.h"
#include "panel/RadioBox.h"

#include <QGridLayout>

namespace orfa::panel {

InputsPage::InputsPage(QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    for (int k = 1; k <= link::kInputBoxCount; ++k) {
        auto* box = new InputBox(k, this);
        box->setObjectName(QStringLiteral("inputBox%1").arg(k));
        boxes_.at(static_cast<std::size_t>(k - 1)) = box;
    }
    radio_ = new RadioBox(this);
    grid->addWidget(boxes_[0], 0, 0);
    grid->addWidget(boxes_[1], 0, 1);
    grid->addWidget(boxes_[2], 1, 0);
    grid->addWidget(boxes_[3], 1, 1);
    grid->addWidget(radio_, 2, 0);
    grid->addWidget(boxes_[4], 2, 1);
}

} // namespace orfa::panel
