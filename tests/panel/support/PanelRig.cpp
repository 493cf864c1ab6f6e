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
    sim_.listen();
    orfa::test::writeSettingsFile(dir_.path(),
                                  QStringList{QStringLiteral("IPZesE=127.0.0.1"),
                                              QStringLiteral("PortZesE=%1").arg(sim_.port()),
                                              QStringLiteral("ProdlevaE=20")} +
                                      settingsLines);
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

std::vector<QByteArray> PanelRig::receivedCommands() const {
    std::vector<QByteArray> frames;
    for (const orfa::sim::ReceivedFrame& f : sim_.receivedFrames()) {
        if (frames.empty() || frames.back() != f.frame)
            frames.push_back(f.frame);
    }
    return frames;
}

std::vector<int> PanelRig::receivedInstructions() const {
    std::vector<int> codes;
    for (const QByteArray& frame : receivedCommands())
        codes.push_back(frame.size() > 6 ? static_cast<unsigned char>(frame.at(6)) : -1);
    return codes;
}

bool PanelRig::waitForFrames(std::size_t count, int timeoutMs) {
    return QTest::qWaitFor([&] { return sim_.receivedFrames().size() >= count; }, timeoutMs);
}

bool PanelRig::waitForIdleQueue(int timeoutMs) {
    return QTest::qWaitFor([&] { return data_->link().isIdle(); }, timeoutMs);
}

bool PanelRig::amplifierOn() {
    return data_->amplifier().power() == orfa::link::PowerState::On;
}

QString PanelRig::statusBarText() const {
    return form_->powerStatusBar()->panelText(orfa::panel::PowerStatusBar::kPowerPanel);
}

std::vector<QByteArray> PanelRig::receivedData(int instruction) const {
    std::vector<QByteArray> data;
    for (const QByteArray& frame : receivedCommands()) {
        if (frame.size() >= 9 && static_cast<unsigned char>(frame.at(6)) == instruction)
            data.push_back(frame.mid(7, frame.size() - 9));
    }
    return data;
}

QStringList PanelRig::allEnabled() {
    QStringList lines;
    for (int i = 1; i <= 10; ++i)
        lines << QStringLiteral("Vstup%1En=1").arg(i);
    for (int n = 1; n <= 16; ++n)
        lines << QStringLiteral("Vystup%1En=1").arg(n);
    return lines;
}
