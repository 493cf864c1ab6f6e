#include "settings/InputsNamesPage.h"

#include "link/Instructions.h"

#include <QCheckBox>
#include <QGridLayout>

namespace orfa::settings {
namespace {

QString rowLabel(int input) {
    switch (input) {
    case 8:
        return QStringLiteral("Mikrofon:");
    case 9:
        return QStringLiteral("Rádio L:");
    case 10:
        return QStringLiteral("Rádio R:");
    default:
        return QStringLiteral("Vstup %1:").arg(input);
    }
}

} // namespace

InputsNamesPage::InputsNamesPage(QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    rows_.reserve(link::kSourceCount);
    for (int i = 1; i <= link::kSourceCount; ++i) {
        const NameRow::Texts texts{rowLabel(i), QStringLiteral("Povolen"),
                                   QStringLiteral("Povolen vstup %1").arg(i),
                                   QStringLiteral("Název vstupu %1").arg(i)};
        rows_.emplace_back(this, grid, i - 1, 0, texts, QStringLiteral("Název"));
        connect(rows_.back().checkBox(), &QCheckBox::clicked, this,
                &InputsNamesPage::enableClicked);
    }
    grid->setRowStretch(link::kSourceCount, 1);
}

void InputsNamesPage::load(const config::NstValues& values) {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        rows_[i].load(values.inputs.at(i));
}

void InputsNamesPage::store(config::NstValues& values) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        values.inputs.at(i) = rows_[i].entry();
}

void InputsNamesPage::applyEnabling() {
    for (NameRow& row : rows_)
        row.enableNameByCheckBox();
}

} // namespace orfa::settings
