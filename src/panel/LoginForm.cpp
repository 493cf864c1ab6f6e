#include "panel/LoginForm.h"

#include "config/SettingsKeys.h"
#include "config/SettingsWriteError.h"
#include "data/DataModule.h"
#include "panel/PanelLog.h"
#include "settings/OkCancelButtons.h"
#include "users/Login.h"
#include "users/UserDirectory.h"

#include <QDialogButtonBox>
#include <QFormLayout>
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
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("nameField"));
    nameEdit_->setAccessibleName(QStringLiteral("Uživatelské jméno"));
    fields->addRow(QStringLiteral("&Uživatelské jméno"), nameEdit_);
    passwordEdit_ = new QLineEdit(this);
    passwordEdit_->setObjectName(QStringLiteral("passwordField"));
    passwordEdit_->setAccessibleName(QStringLiteral("Heslo"));
    passwordEdit_->setEchoMode(QLineEdit::Password);
    passwordEdit_->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // '*'
    fields->addRow(QStringLiteral("&Heslo"), passwordEdit_);
    column->addLayout(fields);

    const settings::OkCancelButtons buttons =
        settings::newOkCancelButtons(this, settings::OkCancelButtons::Enter::PressesOk);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
    column->addWidget(buttons.box);
    connect(buttons.box, &QDialogButtonBox::accepted, this, &LoginForm::checkTypedLogin);
}

void LoginForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    startLogin();
}

void LoginForm::setCommandLineLogin(const QString& name, const QString& password) {
    commandLineName_ = name;
    commandLinePassword_ = password;
}

void LoginForm::startLogin() {
    failed_ = true;
    nameEdit_->setText(data_.settings().readText(config::keys::LastLogin));
    if (!commandLineName_.isEmpty()) {
        // Parameter 1 alone loads its record; with a password it logs in at once.
        const bool loggedIn = logIn(commandLineName_, commandLinePassword_);
        if (loggedIn && !commandLinePassword_.isEmpty()) {
            failed_ = false;
            // Closed from the event loop once showing has finished.
            QMetaObject::invokeMethod(this, &LoginForm::acceptIfShown, Qt::QueuedConnection);
        }
    }
    if (!nameEdit_->text().isEmpty())
        passwordEdit_->setFocus();
}

void LoginForm::checkTypedLogin() {
    if (logIn(nameEdit_->text(), passwordEdit_->text()))
        failed_ = false;
    accept();
}

bool LoginForm::logIn(const QString& name, const QString& password) {
    const users::LoginResult result =
        users::logIn(users::UserDirectory(data_.settings(), data_.database()), data_.usesDatabase(),
                     name, password, data_.rights());
    data_.setRights(result.rights);
    return result.loggedIn();
}

void LoginForm::reject() {
    failed_ = true;
    QDialog::reject();
}

void LoginForm::acceptIfShown() {
    if (isVisible())
        accept();
}

void LoginForm::done(int result) {
    try {
        data_.settings().writeText(config::keys::LastLogin, nameEdit_->text());
    } catch (const config::SettingsWriteError& error) {
        // Remembering the name is a convenience; the login itself must go on.
        qCWarning(lcPanel) << "cannot store the last login:" << error.what();
    }
    QDialog::done(result);
}

} // namespace orfa::panel
