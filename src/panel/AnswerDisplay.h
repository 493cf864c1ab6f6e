#pragma once

#include "spinel/SpinelCore.h"

#include <cstdint>

class QSlider;

namespace orfa::panel {

class CaptionedLabel;
class PanelModel;

// Puts the amplifier's answers into the controls. The controls raise their
// change events as if moved by hand; ZakazOdesilaniZmen is held for the
// duration so that none of them sends anything back.
class AnswerDisplay {
public:
    AnswerDisplay(PanelModel& model, QSlider& masterVolume, CaptionedLabel& frequency);

    void ZobrazCentralniHlasitost(std::uint8_t value);
    void ZobrazHlasitostVystupy(const spinel::Bytes& frame);
    void ZobrazPripojeneVstupy(const spinel::Bytes& frame);
    void ZobrazVstupniKonfiguraci(const spinel::Bytes& frame);
    void ZobrazNaladeneRadio(const spinel::Bytes& frame);

private:
    PanelModel& model_;
    QSlider& masterVolume_;
    CaptionedLabel& frequency_;
};

} // namespace orfa::panel
