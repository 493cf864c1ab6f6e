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
    dbChb_ = new QCheckBox(
        QStringLiteral(
            "Použivat pro uložení konfigurace databázi firerbird (centrální správa uživatelů)"),
        group);
    dbChb_->setObjectName(QStringLiteral("DBChb"));
    form->addRow(dbChb_);
    // clicked, unlike toggled, comes only from the operator: loading the box runs nothing.
    connect(dbChb_, &QCheckBox::clicked, this, &ConnectionPage::databaseClicked);
    dbIPE_ = addField(group, form, QStringLiteral("DBIPE"), QStringLiteral("IP adresa DB serveru"),
                      QStringLiteral("IP adresa databázového serveru"));
    dbPortE_ = addField(group, form, QStringLiteral("DBportE"), QStringLiteral("Port"),
                        QStringLiteral("Port databázového serveru"));
    dbCestaE_ = addField(group, form, QStringLiteral("DBCestaE"),
                         QStringLiteral("Databáze (cesta)"), QStringLiteral("Cesta k databázi"));
    dbLoginE_ = addField(group, form, QStringLiteral("DBLoginE"), QStringLiteral("Login"),
                         QStringLiteral("Login do databáze"));
    dbHesloE_ = addField(group, form, QStringLiteral("DBHesloE"), QStringLiteral("Heslo"),
                         QStringLiteral("Heslo do databáze"));
    dbHesloE_->setEchoMode(QLineEdit::Password);
    // Kept in the settings file, which reads back this much of a value.
    for (QLineEdit* field : {dbIPE_, dbPortE_, dbCestaE_, dbLoginE_, dbHesloE_})
        field->setMaxLength(static_cast<int>(config::SettingsFile::maxTextLength));
    return group;
}

QWidget* ConnectionPage::buildAmplifierGroup() {
    auto* group = new QGroupBox(QStringLiteral("Zesilovač"), this);
    auto* form = new QFormLayout(group);
    ipZesE_ =
        addField(group, form, QStringLiteral("IPZesE"), QStringLiteral("IP adresa zesilovače"),
                 QStringLiteral("IP adresa zesilovače"));
    portZesE_ = addField(group, form, QStringLiteral("PortZesE"), QStringLiteral("Port"),
                         QStringLiteral("Port zesilovače"));
    hesloZesE_ = addField(group, form, QStringLiteral("HesloZesE"), QStringLiteral("Heslo"),
                          QStringLiteral("Heslo zesilovače"));
    hesloZesE_->setEchoMode(QLineEdit::Password);
    // Kept for the amplifier's configuration tool; the link does not use it.
    hesloZesE_->setEnabled(false);
    return group;
}

QWidget* ConnectionPage::buildOutputsChoice() {
    auto* group = new QGroupBox(QStringLiteral("Vstupy"), this);
    group->setObjectName(QStringLiteral("VstupyRG"));
    auto* column = new QVBoxLayout(group);
    vstupyRG_ = new QButtonGroup(group);
    const QString captions[] = {QStringLiteral("8 vstupů"), QStringLiteral("16 vstupů")};
    for (int index = 0; index < 2; ++index) {
        auto* item = new QRadioButton(captions[index], group);
        item->setObjectName(QStringLiteral("VstupyRG%1").arg(index));
        vstupyRG_->addButton(item, index);
        column->addWidget(item);
    }
    vstupyRG_->button(0)->setChecked(true);
    connect(vstupyRG_, &QButtonGroup::buttonClicked, this,
            [this](QAbstractButton*) { Q_EMIT outputsChoiceClicked(); });
    return group;
}

void ConnectionPage::load(const config::LocalKeys& keys) {
    {
        const QSignalBlocker quiet(dbChb_);
        dbChb_->setChecked(keys.DBChb);
    }
    dbIPE_->setText(keys.DBIPE);
    dbPortE_->setText(keys.DBportE);
    dbCestaE_->setText(keys.DBCestaE);
    dbLoginE_->setText(keys.DBLoginE);
    dbHesloE_->setText(keys.DBHesloE);
}

void ConnectionPage::store(config::LocalKeys& keys) const {
    keys.DBChb = dbChb_->isChecked();
    keys.DBIPE = dbIPE_->text();
    keys.DBportE = dbPortE_->text();
    keys.DBCestaE = dbCestaE_->text();
    keys.DBLoginE = dbLoginE_->text();
    keys.DBHesloE = dbHesloE_->text();
}

void ConnectionPage::load(const config::NstValues& values) {
    ipZesE_->setText(values.IPZesE);
    portZesE_->setText(values.PortZesE);
    setOutputsChoice(values.VstupyRG);
    hesloZesE_->setText(values.HesloZesE);
}

void ConnectionPage::store(config::NstValues& values) const {
    values.IPZesE = ipZesE_->text();
    values.PortZesE = portZesE_->text();
    values.VstupyRG = outputsChoice();
    values.HesloZesE = hesloZesE_->text();
}

int ConnectionPage::outputsChoice() const {
    return vstupyRG_->checkedId();
}

void ConnectionPage::setOutputsChoice(int index) {
    if (index < 0) {
        // An exclusive group keeps one item checked; let go of it for a moment.
        vstupyRG_->setExclusive(false);
        for (QAbstractButton* item : vstupyRG_->buttons())
            item->setChecked(false);
        vstupyRG_->setExclusive(true);
        return;
    }
    vstupyRG_->button(index > 1 ? 1 : index)->setChecked(true);
}

bool ConnectionPage::detailsComplete() const {
    bool isNumber = false;
    const int port = dbPortE_->text().toInt(&isNumber);
    return dbIPE_->text().size() >= 7 && isNumber && port != -1 && dbCestaE_->text().size() >= 10 &&
           dbLoginE_->text().size() >= 3 && dbHesloE_->text().size() >= 3;
}

void ConnectionPage::setDatabaseFieldsEnabled(bool enabled) {
    for (QLineEdit* field : {dbIPE_, dbPortE_, dbCestaE_, dbLoginE_, dbHesloE_})
        field->setEnabled(enabled);
}

std::vector<QLineEdit*> ConnectionPage::sharedTextFields() const {
    return {ipZesE_, portZesE_, hesloZesE_};
}

} // namespace orfa::settings
