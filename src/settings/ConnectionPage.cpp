#include "settings/ConnectionPage.h"

#include "config/SettingsFile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orfa::settings {
namespace {

QLineEdit* addField(QWidget* group, QFormLayout* form, const QString& objectName,
                    const QString& label, const QString& accessibleName) {
    auto* field = new QLineEdit(group);
    field->setObjectName(objectName);
    field->setAccessibleName(accessibleName);
    form->addRow(label, field);
    return field;
}

} // namespace

ConnectionPage::ConnectionPage(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildDatabaseGroup());
    layout->addWidget(buildAmplifierGroup());
    layout->addWidget(buildOutputsChoice());
    layout->addStretch();
}

QWidget* ConnectionPage::buildDatabaseGroup() {
    auto* group = new QGroupBox(QStringLiteral("Databáze"), this);
    auto* form = new QFormLayout(group);
    databaseBox_ = new QCheckBox(
        QStringLiteral(
            "Použivat pro uložení konfigurace databázi firerbird (centrální správa uživatelů)"),
        group);
    databaseBox_->setObjectName(QStringLiteral("databaseBox"));
    form->addRow(databaseBox_);
    // clicked, unlike toggled, comes only from the operator: loading the box runs nothing.
    connect(databaseBox_, &QCheckBox::clicked, this, &ConnectionPage::databaseClicked);
    databaseAddress_ = addField(group, form, QStringLiteral("databaseHostField"),
                                QStringLiteral("IP adresa DB serveru"),
                                QStringLiteral("IP adresa databázového serveru"));
    databasePort_ = addField(group, form, QStringLiteral("databasePortField"),
                             QStringLiteral("Port"), QStringLiteral("Port databázového serveru"));
    databasePath_ =
        addField(group, form, QStringLiteral("databasePathField"),
                 QStringLiteral("Databáze (cesta)"), QStringLiteral("Cesta k databázi"));
    databaseLogin_ = addField(group, form, QStringLiteral("databaseUserField"),
                              QStringLiteral("Login"), QStringLiteral("Login do databáze"));
    databasePassword_ = addField(group, form, QStringLiteral("databasePasswordField"),
                                 QStringLiteral("Heslo"), QStringLiteral("Heslo do databáze"));
    databasePassword_->setEchoMode(QLineEdit::Password);
    // Kept in the settings file, which reads back this much of a value.
    for (QLineEdit* field :
         {databaseAddress_, databasePort_, databasePath_, databaseLogin_, databasePassword_})
        field->setMaxLength(static_cast<int>(config::SettingsFile::maxTextLength));
    return group;
}

QWidget* ConnectionPage::buildAmplifierGroup() {
    auto* group = new QGroupBox(QStringLiteral("Zesilovač"), this);
    auto* form = new QFormLayout(group);
    amplifierAddress_ =
        addField(group, form, QStringLiteral("amplifierHostField"),
                 QStringLiteral("IP adresa zesilovače"), QStringLiteral("IP adresa zesilovače"));
    amplifierPort_ = addField(group, form, QStringLiteral("amplifierPortField"),
                              QStringLiteral("Port"), QStringLiteral("Port zesilovače"));
    amplifierPassword_ = addField(group, form, QStringLiteral("amplifierPasswordField"),
                                  QStringLiteral("Heslo"), QStringLiteral("Heslo zesilovače"));
    amplifierPassword_->setEchoMode(QLineEdit::Password);
    // Kept for the amplifier's configuration tool; the link does not use it.
    amplifierPassword_->setEnabled(false);
    return group;
}

QWidget* ConnectionPage::buildOutputsChoice() {
    auto* group = new QGroupBox(QStringLiteral("Vstupy"), this);
    group->setObjectName(QStringLiteral("outputsChoice"));
    auto* column = new QVBoxLayout(group);
    outputsChoiceGroup_ = new QButtonGroup(group);
    const QString captions[] = {QStringLiteral("8 vstupů"), QStringLiteral("16 vstupů")};
    const QString names[] = {QStringLiteral("eightOutputs"), QStringLiteral("sixteenOutputs")};
    for (int index = 0; index < 2; ++index) {
        auto* item = new QRadioButton(captions[index], group);
        item->setObjectName(names[index]);
        outputsChoiceGroup_->addButton(item, index);
        column->addWidget(item);
    }
    outputsChoiceGroup_->button(0)->setChecked(true);
    connect(outputsChoiceGroup_, &QButtonGroup::buttonClicked, this,
            [this](QAbstractButton*) { Q_EMIT outputsChoiceClicked(); });
    return group;
}

void ConnectionPage::load(const config::LocalKeys& keys) {
    {
        const QSignalBlocker quiet(databaseBox_);
        databaseBox_->setChecked(keys.useDatabase);
    }
    databaseAddress_->setText(keys.databaseHost);
    databasePort_->setText(keys.databasePort);
    databasePath_->setText(keys.databasePath);
    databaseLogin_->setText(keys.databaseUser);
    databasePassword_->setText(keys.databasePassword);
}

void ConnectionPage::store(config::LocalKeys& keys) const {
    keys.useDatabase = databaseBox_->isChecked();
    keys.databaseHost = databaseAddress_->text();
    keys.databasePort = databasePort_->text();
    keys.databasePath = databasePath_->text();
    keys.databaseUser = databaseLogin_->text();
    keys.databasePassword = databasePassword_->text();
}

void ConnectionPage::load(const config::NstValues& values) {
    amplifierAddress_->setText(values.amplifierHost);
    amplifierPort_->setText(values.amplifierPort);
    setOutputsChoice(values.outputsChoice);
    amplifierPassword_->setText(values.amplifierPassword);
}

void ConnectionPage::store(config::NstValues& values) const {
    values.amplifierHost = amplifierAddress_->text();
    values.amplifierPort = amplifierPort_->text();
    values.outputsChoice = outputsChoice();
    values.amplifierPassword = amplifierPassword_->text();
}

int ConnectionPage::outputsChoice() const {
    return outputsChoiceGroup_->checkedId();
}

void ConnectionPage::setOutputsChoice(int index) {
    if (index < 0) {
        // An exclusive group keeps one item checked; let go of it for a moment.
        outputsChoiceGroup_->setExclusive(false);
        for (QAbstractButton* item : outputsChoiceGroup_->buttons())
            item->setChecked(false);
        outputsChoiceGroup_->setExclusive(true);
        return;
    }
    outputsChoiceGroup_->button(index > 1 ? 1 : index)->setChecked(true);
}

bool ConnectionPage::detailsComplete() const {
    bool isNumber = false;
    const int port = databasePort_->text().toInt(&isNumber);
    return databaseAddress_->text().size() >= 7 && isNumber && port != -1 &&
           databasePath_->text().size() >= 10 && databaseLogin_->text().size() >= 3 &&
           databasePassword_->text().size() >= 3;
}

void ConnectionPage::setDatabaseFieldsEnabled(bool enabled) {
    for (QLineEdit* field :
         {databaseAddress_, databasePort_, databasePath_, databaseLogin_, databasePassword_})
        field->setEnabled(enabled);
}

std::vector<QLineEdit*> ConnectionPage::sharedTextFields() const {
    return {amplifierAddress_, amplifierPort_, amplifierPassword_};
}

} // namespace orfa::settings
