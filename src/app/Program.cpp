#include "app/Program.h"

#include "app/OrfaApplication.h"
#include "app/SingleInstance.h"
#include "config/SettingsFile.h"
#include "config/SettingsLocation.h"
#include "data/DataModule.h"
#include "data/StopSignals.h"
#include "panel/OrfaForm.h"
#include "panel/PanelStyle.h"

#include <QLocale>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTimer>

namespace orfa::app {

int runProgram(OrfaApplication& app) {
    QLocale::setDefault(QLocale::c()); // '.' as the decimal separator everywhere

    const QString configDir = config::SettingsLocation::directory();
    SingleInstance instance(configDir);
    if (!instance.isPrimary()) {
        instance.activatePrimary();
        return 0;
    }

    // The file refuses every write in this case; say so before anything is read from it.
    if (const config::SettingsFile settings(configDir); !settings.encodingSupported())
        QMessageBox::critical(
            nullptr, QStringLiteral("Orfa"),
            QStringLiteral("Soubor nastavení %1 je v kódování Windows-1250, které tento systém "
                           "neumí převést. Názvy s diakritikou se nezobrazí správně a program "
                           "do souboru nic nezapíše.")
                .arg(settings.filePath()));

    // The application owns the style, the style the one it wraps.
    QApplication::setStyle(new panel::PanelStyle(QStyleFactory::create(app.style()->name())));
    data::DataModule data(configDir);
    panel::OrfaForm form(data, QCoreApplication::arguments().mid(1));
    QObject::connect(&instance, &SingleInstance::activationRequested, &form,
                     &panel::OrfaForm::activateFromSecondInstance);
    data::StopSignals stopSignals;
    QObject::connect(&stopSignals, &data::StopSignals::stopRequested, &form,
                     &panel::OrfaForm::quit);
    // Shown from the event loop: the start-up sequence (the login dialog among it) then
    // runs inside exec(), so SIGTERM or SIGINT during it ends the program too.
    QTimer::singleShot(0, &form, [&form] { form.show(); });
    return app.exec();
}

} // namespace orfa::app
