#include "panel/LoginForm.h"

#include "config/SettingsKeys.h"
#include "config/SettingsWriteError.h"
#include "data/DataModule.h"
#include "panel/PanelLog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orfa::panel {

LoginForm::LoginForm(data::DataModule& dataModule, QWidget* parent)
    : QDialog(parent)
    , data_(dataModule) {
    setWindowTitle(QStringLiteral("Orfa"));
    auto* column = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->setRowWrapPolicy(QFormLayout::WrapAllRows);
    jmenoE_ = new QLineEdit(this);
    jmenoE_->setObjectName(QStringLiteral("JmenoE"));
    jmenoE_->setAccessibleName(QStringLiteral("Uživatelské jméno"));
    fields->addRow(QStringLiteral("&Uživatelské jméno"), jmenoE_);
    hesloE_ = new QLineEdit(this);
    hesloE_->setObjectName(QStringLiteral("HesloE"));
    hesloE_->setAccessibleName(QStringLiteral("Heslo"));
    hesloE_->setEchoMode(QLineEdit::Password);
    hesloE_->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // '*'
    fields->addRow(QStringLiteral("&Heslo"), hesloE_);
    column->addLayout(fields);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    okButt_ = new QPushButton(QStringLiteral("&OK"), this);
    okButt_->setObjectName(QStringLiteral("OkButt"));
    okButt_->setDefault(true);
    stormoButt_ = new QPushButton(QStringLiteral("&Stormo"), this);
    stormoButt_->setObjectName(QStringLiteral("StormoButt"));
    stormoButt_->setAutoDefault(false);
    buttons->addWidget(okButt_);
    buttons->addWidget(stormoButt_);
    column->addLayout(buttons);

    connect(okButt_, &QPushButton::clicked, this, &LoginForm::OkButtClick);
    connect(stormoButt_, &QPushButton::clicked, this, &LoginForm::reject);
}

void LoginForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    FormShow();
}

bool LoginForm::matches(const QString& name, const QString& password) const {
    const users::UserRights& record = data_.rights();
    return name.toUpper() == record.name.toUpper() &&
           password.toUpper() == record.password.toUpper();
}

void LoginForm::FormShow() {
    SpatneHeslo = true;
    jmenoE_->setText(data_.settings().readText(config::keys::LastLogin));
    if (!Param1.isEmpty())
        data_.loadUserRights(Param1);
    if (!Param1.isEmpty() && !Param2.isEmpty() && matches(Param1, Param2)) {
        SpatneHeslo = false;
        // Closed from the event loop once showing has finished.
        QMetaObject::invokeMethod(this, &LoginForm::ZavriOkno, Qt::QueuedConnection);
    }
    if (!jmenoE_->text().isEmpty())
        hesloE_->setFocus();
}

void LoginForm::OkButtClick() {
    data_.loadUserRights(jmenoE_->text());
    if (matches(jmenoE_->text(), hesloE_->text()))
        SpatneHeslo = false;
    accept();
}

void LoginForm::reject() {
    SpatneHeslo = true;
    QDialog::reject();
}

void LoginForm::ZavriOkno() {
    if (isVisible())
        accept();
}

void LoginForm::done(int result) {
    try {
        data_.settings().writeText(config::keys::LastLogin, jmenoE_->text());
    } catch (const config::SettingsWriteError& error) {
        // Remembering the name is a convenience; the login itself must go on.
        qCWarning(lcPanel) << "cannot store the last login:" << error.what();
    }
    QDialog::done(result);
}

} // namespace orfa::panel
