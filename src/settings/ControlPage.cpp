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
    sysTrayChb_ = addCheckBox(this, layout, QStringLiteral("SysTrayChb"),
                              QStringLiteral("Minimalizovat do sytémové lišty"));
    minimizeChb_ = addCheckBox(
        this, layout, QStringLiteral("MinimizeChb"),
        QStringLiteral("Při stisku zavíracího tlačítla minimalizovat na systémovou lištu"));
    loginChb_ = addCheckBox(this, layout, QStringLiteral("LoginChb"),
                            QStringLiteral("Po spuštění se dotázat na heslo"));
    auto* delay = new QFormLayout;
    prodlevaE_ = new QLineEdit(QStringLiteral("800"), this);
    prodlevaE_->setObjectName(QStringLiteral("ProdlevaE"));
    prodlevaE_->setAccessibleName(QStringLiteral("Prodleva před odesláním příkazu v ms"));
    // Kept in the settings file, which reads back this much of a value.
    prodlevaE_->setMaxLength(static_cast<int>(config::SettingsFile::maxTextLength));
    delay->addRow(QStringLiteral("Prodleva před odesláním příkazu do zesilovače v ms:"),
                  prodlevaE_);
    layout->addLayout(delay);
    layout->addStretch();
}

void ControlPage::load(const config::LocalKeys& keys) {
    sysTrayChb_->setChecked(keys.SysTrayChb);
    minimizeChb_->setChecked(keys.MinimizeChb);
    prodlevaE_->setText(keys.ProdlevaE);
}

void ControlPage::store(config::LocalKeys& keys) const {
    keys.SysTrayChb = sysTrayChb_->isChecked();
    keys.MinimizeChb = minimizeChb_->isChecked();
    keys.ProdlevaE = prodlevaE_->text();
}

void ControlPage::load(const config::NstValues& values) {
    loginChb_->setChecked(values.LoginChb);
}

void ControlPage::store(config::NstValues& values) const {
    values.LoginChb = loginChb_->isChecked();
}

} // namespace orfa::settings
