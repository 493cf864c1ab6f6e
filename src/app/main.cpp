#include "app/OrfaApplication.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "config/SettingsFile.h"
#include "config/SettingsLocation.h"
#include "data/DataModule.h"
#include "panel/OrfaForm.h"

#include <QLocale>
#include <QMessageBox>

int main(int argc, char** argv) {
    orfa::app::OrfaApplication app(argc, argv);
    QLocale::setDefault(QLocale::c()); // '.' as the decimal separator everywhere

    const QString configDir = orfa::config::SettingsLocation::directory();
    orfa::app::SingleInstance instance(configDir);
    if (!instance.isPrimary()) {
        instance.activatePrimary();
        return 0;
    }

    // The file refuses every write in this case; say so before anything is read from it.
    if (const orfa::config::SettingsFile reg(configDir); !reg.encodingSupported())
        QMessageBox::critical(
            nullptr, QStringLiteral("Orfa"),
            QStringLiteral("Soubor nastavení %1 je v kódování Windows-1250, které tento systém "
                           "neumí převést. Názvy s diakritikou se nezobrazí správně a program "
                           "do souboru nic nezapíše.")
                .arg(reg.filePath()));

    orfa::data::DataModule data(configDir);
    orfa::panel::OrfaForm form(data, QCoreApplication::arguments().mid(1));
    QObject::connect(&instance, &orfa::app::SingleInstance::activationRequested, &form,
                     &orfa::panel::OrfaForm::activateFromSecondInstance);
    orfa::app::TerminationSignals termination;
    QObject::connect(&termination, &orfa::app::TerminationSignals::terminationRequested, &form,
                     &orfa::panel::OrfaForm::Konec1Click);
    form.show();
    return app.exec();
}
