#include "panel/ControlEnabling.h"

#include "model/AmpItem.h"
#include "model/AmplifierModel.h"

#include <QVariant>
#include <QWidget>

namespace orfa::panel {
namespace {

// The two halves, kept on the control itself so that they end with it.
constexpr const char* kAllowedProperty = "orfaAllowed";
constexpr const char* kValueKnownProperty = "orfaValueKnown";

bool property(const QWidget& control, const char* name) {
    const QVariant value = control.property(name);
    return !value.isValid() || value.toBool();
}

// The one place both halves meet. The controls have no description of their
// own, so the description is this one or none.
void apply(QWidget& control) {
    const bool known = property(control, kValueKnownProperty);
    control.setEnabled(known && property(control, kAllowedProperty));
    const QString description = known ? QString() : QStringLiteral("Hodnota zatím není známa");
    if (control.accessibleDescription() != description)
        control.setAccessibleDescription(description);
}

void setValueKnown(QWidget& control, bool known) {
    control.setProperty(kValueKnownProperty, known);
    apply(control);
}

} // namespace

void allowControl(QWidget& control, bool allowed) {
    control.setProperty(kAllowedProperty, allowed);
    apply(control);
}

void followItemState(QWidget& control, const model::AmplifierModel& model,
                     const model::AmpItem& item) {
    setValueKnown(control, model.isKnown(item));
    QObject::connect(&model, &model::AmplifierModel::itemStateChanged, &control,
                     [&control, item](const model::AmpItem& changed, model::ItemState state) {
                         if (changed == item)
                             setValueKnown(control, state != model::ItemState::Unknown);
                     });
}

} // namespace orfa::panel
