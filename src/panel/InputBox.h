#pragma once

#include "link/Instructions.h"

#include <QGroupBox>

#include <array>

class QLabel;

namespace orfa::panel {

class PanelSlider;

// Input box k (1..5): gain and the five equaliser bands of sources 2k-1 and 2k.
class InputBox : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kBands = link::kInputParameterCount - 1;

    InputBox(int box, QWidget* parent = nullptr);

    int box() const { return box_; }
    // 0 = gain, 1..5 = bands 60 Hz .. 10 kHz.
    PanelSlider* slider(int index) const { return sliders_.at(static_cast<std::size_t>(index)); }
    // 1..5, the labels under the band sliders.
    QLabel* bandLabel(int band) const { return bandLabels_.at(static_cast<std::size_t>(band - 1)); }
    // What band 1..5 is called on its label: "60Hz" .. "10kHz".
    static QString bandName(int band);

    // What a screen reader calls source 2k-1 or 2k of the box: the configured
    // name, or the number while none is configured. The sliders' accessible
    // names follow ("Zisk vstupů CD a Tuner").
    void setSourceLabel(int source, const QString& label);

private:
    void nameSliders();

    int box_;
    std::array<QString, 2> sourceLabels_;
    std::array<PanelSlider*, kBands + 1> sliders_{};
    std::array<QLabel*, kBands> bandLabels_{};
};

} // namespace orfa::panel
