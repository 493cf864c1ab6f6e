#include "settings/OutputsNamesPage.h"

#include "link/Instructions.h"

#include <QCheckBox>
#include <QGridLayout>

namespace orfa::settings {

OutputsNamesPage::OutputsNamesPage(QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    rows_.reserve(link::kOutputCount);
    // Created column by column, so that the tab key walks down 1 to 8, then 9 to 16.
    for (int j = 1; j <= link::kOutputCount; ++j) {
        const NameRow::Texts texts{QStringLiteral("Výstup %1:").arg(j), QString(),
                                   QStringLiteral("Povolen výstup %1").arg(j),
                                   QStringLiteral("Název výstupu %1").arg(j)};
        const int column = j <= kPerColumn ? 0 : 3;
        rows_.emplace_back(this, grid, (j - 1) % kPerColumn, column, texts);
        connect(rows_.back().checkBox(), &QCheckBox::clicked, this,
                &OutputsNamesPage::enableClicked);
    }
    grid->setRowStretch(kPerColumn, 1);
}

void OutputsNamesPage::load(const config::NstValues& values) {
    for (std::size_t j = 0; j < rows_.size(); ++j)
        rows_[j].load(values.outputs.at(j));
}

void OutputsNamesPage::store(config::NstValues& values) const {
    for (std::size_t j = 0; j < rows_.size(); ++j)
        values.outputs.at(j) = rows_[j].entry();
}

void OutputsNamesPage::applyEnabling(bool sixteenOutputs) {
    for (std::size_t j = kPerColumn; j < rows_.size(); ++j)
        rows_[j].setRowEnabled(sixteenOutputs);
    for (NameRow& row : rows_)
        row.enableNameByCheckBox();
}

} // namespace orfa::settings
