#pragma once

class QWidget;

namespace orfa::model {
class AmplifierModel;
struct AmpItem;
} // namespace orfa::model

namespace orfa::panel {

// Whether an amplifier control of the panel is enabled. Two things decide it,
// each kept by its own code: what the settings flags, the rights and the power
// allow (allowControl(), from the enabling by rights and the window), and, for
// a control that shows a value of the amplifier, whether that value is known
// (followItemState(), from the bindings). The control is enabled only when
// both say so, so that a value never read is not shown as one to act on;
// while it is unknown the control's accessible description says so.
//
// A control nothing was allowed or followed for counts as allowed and known.

// What the flags, the rights and the power allow the control.
void allowControl(QWidget& control, bool allowed);
// From now on the control shows item's value: it follows the item's state in
// the model, which must outlive it. The connection ends with the control.
void followItemState(QWidget& control, const model::AmplifierModel& model,
                     const model::AmpItem& item);

} // namespace orfa::panel
