#include "panel/support/PanelRig.h"

#include "support/WriteSettingsFile.h"

#include "panel/PowerStatusBar.h"

#include <QAccessible>
#include <QFile>
#include <QSlider>
#include <QTest>

QString accessibleName(QObject* control) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
    return spoken ? spoken->text(QAccessible::Name) : QString();
}

QString accessibleDescription(QObject* control) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
    return spoken ? spoken->text(QAccessible::Description) : QString();
}

void drag(QSlider* slider, int position) {
    slider->setSliderDown(true);
    slider->setSliderPosition(position);
    slider->setSliderDown(false);
}

PanelRig::PanelRig(const QStringList& settingsLines) {
    orfa::test::writeSettingsFile(dir_.path(), linkLines() + settingsLines);
    create();
}

void PanelRig::create() {
    form_.reset();
    data_.reset();
    data_ = std::make_unique<orfa::data::DataModule>(dir_.path());
    form_ = std::make_unique<orfa::panel::OrfaForm>(*data_, QStringList{});
}

bool PanelRig::start() {
    form_->show();
    return QTest::qWaitFor([this] { return form_->startupFinished(); }, 5000);
}

bool PanelRig::readEveryPage() {
    form_->refreshInputsPage();
    form_->refreshOutputsPage();
    return waitForIdleQueue();
}

void PanelRig::closeWindow() {
    form_->close();
}

QString PanelRig::settingsPath() const {
    return dir_.filePath(QStringLiteral("Orfa.ini"));
}

QString PanelRig::settingsText() const {
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool PanelRig::amplifierOn() {
    return data_->amplifier().power() == orfa::link::PowerState::On;
}

QString PanelRig::statusBarText() const {
    return form_->powerStatusBar()->panelText(orfa::panel::PowerStatusBar::kPowerPanel);
}

QStringList PanelRig::allEnabled() {
    return orfa::test::everyInputAndOutputOnLines();
}
