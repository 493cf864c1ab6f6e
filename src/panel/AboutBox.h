#pragma once

#include <QDialog>

namespace orfa::config {
class SettingsFile;
}

namespace orfa::panel {

// "O programu": the version and date from the settings file. A click
// anywhere on it closes it, and so do Enter and Esc.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(config::SettingsFile& settings, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace orfa::panel
