#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace orfa::data {
class DataModule;
}

namespace orfa::panel {

// The login at start: user name and password, checked against the record the data
// module finds for the name. Both comparisons ignore letter case, the password's
// included; the lookup itself matches the name as its store does. There is one attempt:
// OK and Stormo both close the dialog, and SpatneHeslo tells how it went.
//
// With Param1 and Param2 (command-line parameters 1 and 2) naming a user and that
// user's password, the dialog closes itself as soon as it is shown. Every close writes
// the name field to "LastLogin" in the settings file, and the next showing starts from it.
class LoginForm : public QDialog {
    Q_OBJECT
public:
    explicit LoginForm(data::DataModule& dataModule, QWidget* parent = nullptr);

    // True until a login succeeds: after a wrong name or password, Stormo, Esc or the
    // close box.
    bool SpatneHeslo = true;
    QString Param1;
    QString Param2;

    QLineEdit* JmenoE() const { return jmenoE_; }
    QLineEdit* HesloE() const { return hesloE_; }
    QPushButton* OkButt() const { return okButt_; }
    QPushButton* StormoButt() const { return stormoButt_; }

    void done(int result) override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void OkButtClick();
    void ZavriOkno();
    bool matches(const QString& name, const QString& password) const;

    data::DataModule& data_;
    QLineEdit* jmenoE_ = nullptr;
    QLineEdit* hesloE_ = nullptr;
    QPushButton* okButt_ = nullptr;
    QPushButton* stormoButt_ = nullptr;
    bool shownOnce_ = false;
};

} // namespace orfa::panel
