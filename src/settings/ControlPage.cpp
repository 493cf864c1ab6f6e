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
    trayBox_ = addCheckBox(this, layout, QStringLiteral("SysTrayChb"),
                           QStringLiteral("Minimalizovat do sytémové lišty"));
    minimizeOnCloseBox_ = addCheckBox(
        this, layout, QStringLiteral("MinimizeChb"),
        QStringLiteral("Při stisku zavíracího tlačítla minimalizovat na systémovou lištu"));
    loginAtStartBox_ = addCheckBox(this, layout, QStringLiteral("LoginChb"),
                                   QStringLiteral("Po spuštění se dotázat na heslo"));
    auto* delay = new QFormLayout;
    sendDelayField_ = new QLineEdit(QStringLiteral("800"), this);
    sendDelayField_->setObjectName(QStringLiteral("ProdlevaE"));
    sendDelayField_->setAccessibleName(QStringLiteral("Prodleva před odesláním příkazu v ms"));
    // Kept in the settings file, which reads back this much of a value.
    sendDelayField_->setMaxLength(static_cast<int>(config::SettingsFile::maxTextLength));
    delay->addRow(QStringLiteral("Prodleva před odesláním příkazu do zesilovače v ms:"),
                  sendDelayField_);
    layout->addLayout(delay);
    layout->addStretch();
}

void ControlPage::load(const config::LocalKeys& keys) {
    trayBox_->setChecked(keys.SysTrayChb);
    minimizeOnCloseBox_->setChecked(keys.MinimizeChb);
    sendDelayField_->setText(keys.ProdlevaE);
}

void ControlPage::store(config::LocalKeys& keys) const {
    keys.SysTrayChb = trayBox_->isChecked();
    keys.MinimizeChb = minimizeOnCloseBox_->isChecked();
    keys.ProdlevaE = sendDelayField_->text();
}

void ControlPage::load(const config::NstValues& values) {
    loginAtStartBox_->setChecked(values.LoginChb);
}

void ControlPage::store(config::NstValues& values) const {
    values.LoginChb = loginAtStartBox_->isChecked();
}

} // namespace orfa::settings
