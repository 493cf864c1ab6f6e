#include "users/NewFileRecordId.h"

#include "config/SettingsFile.h"
#include "config/SettingsWriteError.h"

namespace orfa::users {

int newFileRecordId(const config::SettingsFile& file, const QString& counterKey, int highestId) {
    const QString text = file.readText(counterKey);
    // -1 for a counter that is there but no number: never a usable one.
    const int counter = text.isEmpty() ? 0 : file.readInteger(counterKey, -1);
    if (counter < 0 || counter >= highestId)
        throw config::SettingsWriteError(
            file.filePath(),
            QStringLiteral("Počítadlo %1 má hodnotu „%2“, takže nový záznam by dostal číslo "
                           "mimo rozsah 1 až %3 a program by ho nikdy nenačetl. Soubor zůstal "
                           "beze změny.")
                .arg(counterKey, text)
                .arg(highestId));
    return counter + 1;
}

} // namespace orfa::users
