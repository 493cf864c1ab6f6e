#include "panel/DatabaseUnreachableMessage.h"

#include <QMessageBox>

namespace orfa::panel {

QString DatabaseUnreachableMessage::text(const QString& reason, const QString& settingsPath) {
    return QStringLiteral(
               "Nepodařilo se připojit k centrální databázi nebo z ní načíst nastavení.\n\n"
               "Důvod: %1\n\n"
               "Program poběží bez oprávnění: ovládání zesilovače i nastavení jsou zakázány.\n\n"
               "Co dělat: spusťte databázový server a program spusťte znovu, nebo vypněte "
               "používání centrální databáze: v souboru nastavení\n%2\n"
               "nastavte v sekci [Orfa] DBChb=0.")
        .arg(reason.trimmed(), settingsPath);
}

void DatabaseUnreachableMessage::show(QWidget* parent, const QString& reason,
                                      const QString& settingsPath) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Orfa"), text(reason, settingsPath),
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace orfa::panel
