#include "settings/ControlPage.h"

#include "config/SettingsFile.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orfa::settings {
namespace {

QCheckBox* addCheckBox(QWidget* page, QVBoxLayout* layout, const QString& objectName,
                       const QString& caption) {
    auto* box = new QCheckBox(caption, page);
    box->setObjectName(objectName);
    layout->addWidget(box);
    return box;
}

} // namespace

ControlPage::ControlPage(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    trayBox_ = addCheckBox(this, layout, QStringLiteral("minimiseToTrayBox"),
                           QStringLiteral("Minimalizovat do sytémové lišty"));
    minimizeOnCloseBox_ = addCheckBox(
        this, layout, QStringLiteral("closeToTrayBox"),
        QStringLiteral("Při stisku zavíracího tlačítla minimalizovat na systémovou lištu"));
    loginAtStartBox_ = addCheckBox(this, layout, QStringLiteral("loginAtStartBox"),
                                   QStringLiteral("Po spuštění se dotázat na heslo"));
    auto* delay = new QFormLayout;
    sendDelayField_ = new QLineEdit(QStringLiteral("800"), this);
    sendDelayField_->setObjectName(QStringLiteral("sendDelayField"));
    sendDelayField_->setAccessibleName(QStringLiteral("Prodleva před odesláním příkazu v ms"));
    // Kept in the settings file, which reads back this much of a value.
    sendDelayField_->setMaxLength(static_cast<int>(config::SettingsFile::maxTextLength));
    delay->addRow(QStringLiteral("Prodleva před odesláním příkazu do zesilovače v ms:"),
                  sendDelayField_);
    layout->addLayout(delay);
    layout->addStretch();
}

void ControlPage::load(const config::LocalKeys& keys) {
    trayBox_->setChecked(keys.minimiseToTray);
    minimizeOnCloseBox_->setChecked(keys.closeToTray);
    sendDelayField_->setText(keys.sendDelayText);
}

void ControlPage::store(config::LocalKeys& keys) const {
    keys.minimiseToTray = trayBox_->isChecked();
    keys.closeToTray = minimizeOnCloseBox_->isChecked();
    keys.sendDelayText = sendDelayField_->text();
}

void ControlPage::load(const config::NstValues& values) {
    loginAtStartBox_->setChecked(values.loginAtStart);
}

void ControlPage::store(config::NstValues& values) const {
    values.loginAtStart = loginAtStartBox_->isChecked();
}

} // namespace orfa::settings
