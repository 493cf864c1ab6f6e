#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace orfa::data {
class DataModule;
}

namespace orfa::panel {

// The login at start: user name and password, checked by users::logIn() against the
// record found for the name in the store in use. Both comparisons ignore letter case, the
// password's included; the lookup itself matches the name as its store does. The data
// module holds the record checked against afterwards, a refused one too. There is one
// attempt: OK and Stormo both close the dialog, and failed() tells how it went.
//
// With the command-line login (parameters 1 and 2) naming a user and that user's
// password, the dialog closes itself as soon as it is shown. Every close writes the
// name field to "LastLogin" in the settings file, and the next showing starts from it.
class LoginForm : public QDialog {
    Q_OBJECT
public:
    explicit LoginForm(data::DataModule& dataModule, QWidget* parent = nullptr);

    // The user name and password given on the command line; empty when absent.
    void setCommandLineLogin(const QString& name, const QString& password);
    // True until a login succeeds: after a wrong name or password, Stormo, Esc or the
    // close box.
    bool failed() const { return failed_; }

    QLineEdit* nameEdit() const { return nameEdit_; }
    QLineEdit* passwordEdit() const { return passwordEdit_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    void done(int result) override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void startLogin();
    void checkTypedLogin();
    // users::logIn() with the data module's stores; the data module takes the record.
    bool logIn(const QString& name, const QString& password);
    void acceptIfShown();

    data::DataModule& data_;
    QString commandLineName_;
    QString commandLinePassword_;
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* passwordEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    bool failed_ = true;
    bool shownOnce_ = false;
};

} // namespace orfa::panel
