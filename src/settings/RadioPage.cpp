#include "settings/RadioPage.h"

#include "settings/PageButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orfa::settings {

RadioPage::RadioPage(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    buildColumn(grid, 0, 1, 5);
    buildColumn(grid, 4, 6, link::kRadioMemoryCount);
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    connect(addPageButton(this, buttons, QStringLiteral("readMemoriesButton"),
                          QStringLiteral("Načti paměti")),
            &QPushButton::clicked, this, &RadioPage::loadClicked);
    connect(addPageButton(this, buttons, QStringLiteral("storeMemoriesButton"),
                          QStringLiteral("Ulož paměti")),
            &QPushButton::clicked, this, &RadioPage::storeClicked);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
}

void RadioPage::buildColumn(QGridLayout* grid, int column, int first, int last) {
    grid->addWidget(new QLabel(QStringLiteral("Frekvence"), this), 0, column + 1);
    grid->addWidget(new QLabel(QStringLiteral("Jméno"), this), 0, column + 2);
    for (int k = first; k <= last; ++k) {
        const int row = k - first + 1;
        const auto index = static_cast<std::size_t>(k - 1);
        grid->addWidget(new QLabel(QStringLiteral("%1.").arg(k), this), row, column);
        auto* frequency = new QLineEdit(this);
        frequency->setObjectName(QStringLiteral("memoryFrequency%1").arg(k));
        frequency->setAccessibleName(QStringLiteral("Frekvence paměti %1").arg(k));
        grid->addWidget(frequency, row, column + 1);
        auto* name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("memoryName%1").arg(k));
        name->setAccessibleName(QStringLiteral("Jméno paměti %1").arg(k));
        grid->addWidget(name, row, column + 2);
        auto* stereo = new QCheckBox(QStringLiteral("Stereo"), this);
        stereo->setObjectName(QStringLiteral("memoryStereo%1").arg(k));
        stereo->setAccessibleName(QStringLiteral("Stereo paměti %1").arg(k));
        grid->addWidget(stereo, row, column + 3);
        frequency_.at(index) = frequency;
        name_.at(index) = name;
        stereo_.at(index) = stereo;
    }
}

void RadioPage::showMemories(const link::RadioMemories& memories) {
    for (std::size_t i = 0; i < memories.size(); ++i) {
        frequency_.at(i)->setText(link::frequencyText(memories[i].frequency));
        stereo_.at(i)->setChecked(memories[i].stereo);
    }
}

void RadioPage::load(const config::NstValues& values) {
    for (std::size_t i = 0; i < name_.size(); ++i)
        name_[i]->setText(values.radioNames.at(i));
}

void RadioPage::store(config::NstValues& values) const {
    for (std::size_t i = 0; i < name_.size(); ++i)
        values.radioNames.at(i) = name_[i]->text();
}

} // namespace orfa::settings
