#pragma once

namespace orfa::model {
class AmpControl;
class AmplifierModel;
} // namespace orfa::model
namespace orfa::users {
class OperatorAccess;
}

namespace orfa::panel {

class InputBox;
class OutputStrip;
class PanelSlider;
class RadioBox;
class StartupHold;

// What the controls are bound to: the model they show, the control that takes
// the operator's acts as intents, the hold that keeps those back until the
// panel's start-up has ended, and the operator's access every intent goes
// with (as it stands when the operator acts). All must outlive the bound
// controls.
struct AmplifierAccess {
    model::AmplifierModel& model;
    model::AmpControl& control;
    const StartupHold& hold;
    const users::OperatorAccess& operatorAccess;
};

// Each binds one group of controls to the amplifier model both ways. The
// controls show the model's values from the start and follow its change
// signals without reporting anything; whatever the operator changes on them
// (the mouse, the keys, or assistive technology acting on them) goes to the
// control as an intent, after which they show the model again (which refused
// or held intents leave as it was). So a value shown from the amplifier is
// never sent back to it. A control whose value has not been read yet stays
// disabled until it is (see ControlEnabling.h). The connections end with the
// controls.
void bindOutputStrip(OutputStrip& strip, const AmplifierAccess& amplifier);
void bindInputBox(InputBox& box, const AmplifierAccess& amplifier);
void bindRadio(RadioBox& radio, const AmplifierAccess& amplifier);
void bindMasterVolume(PanelSlider& slider, const AmplifierAccess& amplifier);

} // namespace orfa::panel
