#include "panel/RadioBox.h"

#include "panel/CaptionedLabel.h"

#include <QGridLayout>
#include <QPushButton>

namespace orfa::panel {

RadioBox::RadioBox(QWidget* parent)
    : QGroupBox(QStringLiteral("Rádio"), parent) {
    auto* grid = new QGridLayout(this);
    frequency_ = new CaptionedLabel(QStringLiteral("Naladěná frekvence rádia"), this);
    frequency_->setShownText(QStringLiteral("---.- MHz"));
    frequency_->setObjectName(QStringLiteral("tunedFrequency"));
    frequency_->setAlignment(Qt::AlignCenter);
    QFont font = frequency_->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    frequency_->setFont(font);
    grid->addWidget(frequency_, 0, 0, 1, 3);

    for (int memory = 1; memory <= link::kRadioMemoryCount; ++memory) {
        auto* button = new QPushButton(QString::number(memory), this);
        button->setObjectName(QStringLiteral("radioMemory%1").arg(memory));
        button->setFlat(true);
        button->setAccessibleName(memoryButtonName(QString::number(memory)));
        button->setMinimumHeight(28);
        buttons_.at(static_cast<std::size_t>(memory - 1)) = button;
        const int column = (memory - 1) / 3;
        const int row = (memory - 1) % 3;
        grid->addWidget(button, row + 1, column);
    }
}

QString RadioBox::memoryButtonName(const QString& label) {
    return QStringLiteral("Paměť rádia ") + label;
}

} // namespace orfa::panel
