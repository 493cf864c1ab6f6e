#include "panel/AnswerDisplay.h"

#include "link/AnswerDecoder.h"
#include "panel/CaptionedLabel.h"
#include "panel/OutputStrip.h"
#include "panel/PanelModel.h"

#include <QSlider>

namespace orfa::panel {
namespace {

// A value outside the slider's range puts it at the nearer end (QSlider clamps).
void place(QSlider* slider, int position) {
    if (slider)
        slider->setValue(position);
}

} // namespace

AnswerDisplay::AnswerDisplay(PanelModel& model, QSlider& masterVolume, CaptionedLabel& frequency)
    : model_(model)
    , masterVolume_(masterVolume)
    , frequency_(frequency) {}

void AnswerDisplay::ZobrazCentralniHlasitost(std::uint8_t value) {
    SendingSuppressed suppressed(model_);
    masterVolume_.setValue(link::masterVolumePosition(value));
}

void AnswerDisplay::ZobrazHlasitostVystupy(const spinel::Bytes& frame) {
    SendingSuppressed suppressed(model_);
    for (const link::OutputValue& level : link::decodeOutputLevels(frame))
        place(model_.Vystup(level.output).TrackBar, level.value);
}

void AnswerDisplay::ZobrazPripojeneVstupy(const spinel::Bytes& frame) {
    SendingSuppressed suppressed(model_);
    for (const link::OutputValue& source : link::decodeOutputSources(frame)) {
        // A source above 10 selects nothing, like source 0.
        if (OutputStrip* strip = model_.Vystup(source.output).RadioGroup)
            strip->selectSource(source.value);
    }
}

void AnswerDisplay::ZobrazVstupniKonfiguraci(const spinel::Bytes& frame) {
    SendingSuppressed suppressed(model_);
    for (const link::InputParameterValue& p : link::decodeInputParameters(frame)) {
        const auto index = static_cast<std::size_t>(p.address.parameter - 1);
        place(model_.Vstup(p.address.box).TrackBar.at(index), p.position);
    }
}

void AnswerDisplay::ZobrazNaladeneRadio(const spinel::Bytes& frame) {
    SendingSuppressed suppressed(model_);
    if (const auto frequency = link::decodeTunedFrequency(frame))
        frequency_.setShownText(link::frequencyText(*frequency) + QStringLiteral(" MHz"));
}

} // namespace orfa::panel
