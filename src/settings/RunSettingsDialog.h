#pragma once

class QWidget;

namespace orfa::data {
class DataModule;
}

namespace orfa::settings {

// "&Možnosti...": creates the settings dialog over parent, shows it modally with messages in
// message boxes and the data module's database connection, and destroys it when it closes.
// True when it was closed with OK. The caller then reloads what the dialog may have changed:
// names and groups (with the store in use that the dialog left), rights, tray option and send
// delay.
bool runSettingsDialog(data::DataModule& data, QWidget* parent);

} // namespace orfa::settings
