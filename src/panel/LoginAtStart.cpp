#include "panel/LoginAtStart.h"

#include "panel/LoginForm.h"

namespace orfa::panel {

bool runLoginAtStart(data::DataModule& data, const QStringList& arguments, QWidget* parent) {
    LoginForm form(data, parent);
    form.setCommandLineLogin(arguments.value(0), arguments.value(1));
    form.exec();
    return form.failed();
}

} // namespace orfa::panel
