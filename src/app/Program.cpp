#include "app/Program.h"

#include "app/OrfaApplication.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "config/SettingsLocation.h"
#include "data/DataModule.h"
#include "panel/OrfaForm.h"

#include <QLocale>

namespace orfa::app {

int runProgram(OrfaApplication& app) {
    QLocale::setDefault(QLocale::c()); // '.' as the decimal separator everywhere

    const QString configDir = config::SettingsLocation::directory();
    SingleInstance instance(configDir);
    if (!instance.isPrimary()) {
        instance.activatePrimary();
        return 0;
    }

    data::DataModule data(configDir);
    panel::OrfaForm form(data, QCoreApplication::arguments().mid(1));
    QObject::connect(&instance, &SingleInstance::activationRequested, &form,
                     &panel::OrfaForm::activateFromSecondInstance);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &form,
                     &panel::OrfaForm::Konec1Click);
    form.show();
    return app.exec();
}

} // namespace orfa::app
