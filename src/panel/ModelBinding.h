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

// Each binds one group of controls to the amplifier model both ways. The
// controls show the model's values from the start and follow its change
// signals without reporting anything; what the operator does with them goes to
// the control as an intent, after which they show the model again (which
// refused intents leave as it was). So a value shown from the amplifier is
// never sent back to it. Every intent goes with the operator's access as it
// stands when the operator acts. The connections end with the controls;
// model, control and access must outlive them.
void bindOutputStrip(OutputStrip& strip, model::AmplifierModel& model, model::AmpControl& control,
                     const users::OperatorAccess& access);
void bindInputBox(InputBox& box, model::AmplifierModel& model, model::AmpControl& control,
                  const users::OperatorAccess& access);
void bindRadio(RadioBox& radio, model::AmplifierModel& model, model::AmpControl& control,
               const users::OperatorAccess& access);
void bindMasterVolume(PanelSlider& slider, model::AmplifierModel& model, model::AmpControl& control,
                      const users::OperatorAccess& access);

} // namespace orfa::panel
