#include "panel/support/PanelRig.h"

#include "panel/PowerStatusBar.h"

#include <QFile>
#include <QTest>

PanelRig::PanelRig(const QStringList& settingsLines) {
    sim_.listen();
    {
        QFile file(settingsPath());
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the settings file");
        QStringList lines{QStringLiteral("[Orfa]"), QStringLiteral("IPZesE=127.0.0.1"),
                          QStringLiteral("PortZesE=%1").arg(sim_.port()),
                          QStringLiteral("ProdlevaE=20")};
        lines += settingsLines;
        file.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
    }
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
    return QTest::qWaitFor([this] { return form_->InitPrgOk(); }, 5000);
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

std::vector<int> PanelRig::receivedInstructions() const {
    std::vector<int> codes;
    for (const orfa::sim::ReceivedFrame& f : sim_.receivedFrames())
        codes.push_back(f.frame.size() > 6 ? static_cast<unsigned char>(f.frame.at(6)) : -1);
    return codes;
}

bool PanelRig::waitForFrames(std::size_t count, int timeoutMs) {
    return QTest::qWaitFor([&] { return sim_.receivedFrames().size() >= count; }, timeoutMs);
}

bool PanelRig::waitForIdleQueue(int timeoutMs) {
    return QTest::qWaitFor([&] { return data_->link().queue().PaketyPosition() == 0; }, timeoutMs);
}

QString PanelRig::statusBarText() const {
    return form_->statusBar1()->panelText(orfa::panel::PowerStatusBar::kPowerPanel);
}

std::vector<QByteArray> PanelRig::receivedData(int instruction) const {
    std::vector<QByteArray> data;
    for (const orfa::sim::ReceivedFrame& f : sim_.receivedFrames()) {
        if (f.frame.size() >= 9 && static_cast<unsigned char>(f.frame.at(6)) == instruction)
            data.push_back(f.frame.mid(7, f.frame.size() - 9));
    }
    return data;
}
