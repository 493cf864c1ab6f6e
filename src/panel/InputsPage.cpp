#include "panel/InputsPage.h"

#include "panel/InputBox.h"
#include "panel/RadioBox.h"

#include <QGridLayout>

namespace orfa::panel {
namespace {

// The frames as they were named on the original form, box 1 to 5.
constexpr std::array<const char16_t*, link::kInputBoxCount> kFrameNames = {
    u"GroupBox1", u"GroupBox4", u"GroupBox2", u"GroupBox5", u"GroupBox3"};

} // namespace

InputsPage::InputsPage(QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    for (int k = 1; k <= link::kInputBoxCount; ++k) {
        auto* box = new InputBox(k, this);
        box->setObjectName(QString::fromUtf16(kFrameNames.at(static_cast<std::size_t>(k - 1))));
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
