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
    databaseBox_->setObjectName(QStringLiteral("DBChb"));
    form->addRow(databaseBox_);
    // clicked, unlike toggled, comes only from the operator: loading the box runs nothing.
    connect(databaseBox_, &QCheckBox::clicked, this, &ConnectionPage::databaseClicked);
    databaseAddress_ =
        addField(group, form, QStringLiteral("DBIPE"), QStringLiteral("IP adresa DB serveru"),
                 QStringLiteral("IP adresa databázového serveru"));
    databasePort_ = addField(group, form, QStringLiteral("DBportE"), QStringLiteral("Port"),
                             QStringLiteral("Port databázového serveru"));
    databasePath_ =
        addField(group, form, QStringLiteral("DBCestaE"), QStringLiteral("Databáze (cesta)"),
                 QStringLiteral("Cesta k databázi"));
    databaseLogin_ = addField(group, form, QStringLiteral("DBLoginE"), QStringLiteral("Login"),
                              QStringLiteral("Login do databáze"));
    databasePassword_ = addField(group, form, QStringLiteral("DBHesloE"), QStringLiteral("Heslo"),
                                 QStringLiteral("Heslo do databáze"));
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
        addField(group, form, QStringLiteral("IPZesE"), QStringLiteral("IP adresa zesilovače"),
                 QStringLiteral("IP adresa zesilovače"));
    amplifierPort_ = addField(group, form, QStringLiteral("PortZesE"), QStringLiteral("Port"),
                              QStringLiteral("Port zesilovače"));
    amplifierPassword_ = addField(group, form, QStringLiteral("HesloZesE"), QStringLiteral("Heslo"),
                                  QStringLiteral("Heslo zesilovače"));
    amplifierPassword_->setEchoMode(QLineEdit::Password);
    // Kept for the amplifier's configuration tool; the link does not use it.
    amplifierPassword_->setEnabled(false);
    return group;
}

QWidget* ConnectionPage::buildOutputsChoice() {
    auto* group = new QGroupBox(QStringLiteral("Vstupy"), this);
    group->setObjectName(QStringLiteral("VstupyRG"));
    auto* column = new QVBoxLayout(group);
    outputsChoiceGroup_ = new QButtonGroup(group);
    const QString captions[] = {QStringLiteral("8 vstupů"), QStringLiteral("16 vstupů")};
    for (int index = 0; index < 2; ++index) {
        auto* item = new QRadioButton(captions[index], group);
        item->setObjectName(QStringLiteral("VstupyRG%1").arg(index));
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
        databaseBox_->setChecked(keys.DBChb);
    }
    databaseAddress_->setText(keys.DBIPE);
    databasePort_->setText(keys.DBportE);
    databasePath_->setText(keys.DBCestaE);
    databaseLogin_->setText(keys.DBLoginE);
    databasePassword_->setText(keys.DBHesloE);
}

void ConnectionPage::store(config::LocalKeys& keys) const {
    keys.DBChb = databaseBox_->isChecked();
    keys.DBIPE = databaseAddress_->text();
    keys.DBportE = databasePort_->text();
    keys.DBCestaE = databasePath_->text();
    keys.DBLoginE = databaseLogin_->text();
    keys.DBHesloE = databasePassword_->text();
}

void ConnectionPage::load(const config::NstValues& values) {
    amplifierAddress_->setText(values.IPZesE);
    amplifierPort_->setText(values.PortZesE);
    setOutputsChoice(values.VstupyRG);
    amplifierPassword_->setText(values.HesloZesE);
}

void ConnectionPage::store(config::NstValues& values) const {
    values.IPZesE = amplifierAddress_->text();
    values.PortZesE = amplifierPort_->text();
    values.VstupyRG = outputsChoice();
    values.HesloZesE = amplifierPassword_->text();
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
