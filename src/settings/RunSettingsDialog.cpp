#include "settings/RunSettingsDialog.h"

#include "data/DataModule.h"
#include "settings/BoxMessageSink.h"
#include "settings/SettingsDialog.h"
#include "users/CentralSettingsDatabase.h"

namespace orfa::settings {

bool runSettingsDialog(data::DataModule& data, QWidget* parent) {
    BoxMessageSink messages(parent);
    users::CentralSettingsDatabase database(data.database(), data.settings());
    SettingsDialog form(data, database, messages, parent);
    messages.setParent(&form);
    return form.exec() == QDialog::Accepted;
}

} // namespace orfa::settings
