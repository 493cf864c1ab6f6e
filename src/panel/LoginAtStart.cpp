#include "panel/LoginAtStart.h"

#include "panel/LoginForm.h"

namespace orfa::panel {

bool runLoginAtStart(data::DataModule& data, const QStringList& arguments, QWidget* parent) {
    LoginForm form(data, parent);
    form.Param1 = arguments.value(0);
    form.Param2 = arguments.value(1);
    form.exec();
    return form.SpatneHeslo;
}

} // namespace orfa::panel
