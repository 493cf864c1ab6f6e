#include "settings/UserEditor.h"

#include "config/DatabaseError.h"
#include "config/SettingsKeys.h"
#include "config/SettingsWriteError.h"
#include "link/Instructions.h"
#include "settings/FlagBoxGroup.h"
#include "settings/MessageSink.h"
#include "settings/OkCancelButtons.h"
#include "settings/SettingsLog.h"
#include "settings/TextLength.h"
#include "users/PasswordCipher.h"
#include "users/UserRecord.h"
#include "users/UserStore.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

namespace orfa::settings {
namespace {

QString caption() {
    return QStringLiteral("Editace uživatelů");
}

QString padded(const QString& flags) {
    return flags.size() >= UserEditor::kFlagLength
               ? flags
               : flags + QString(UserEditor::kFlagLength - flags.size(), QLatin1Char('0'));
}

} // namespace

UserEditor::UserEditor(MessageSink& messages, QWidget* parent)
    : QDialog(parent)
    , messages_(messages) {
    setObjectName(QStringLiteral("userEditor"));
    setWindowTitle(caption());
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    buildFields(layout);
    buildFlagGroups(layout);
    buildButtons(layout);
    clearEditor();
}

UserEditor::~UserEditor() = default;

void UserEditor::buildFields(QVBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    auto* fields = new QGridLayout;
    nameField_ = new QLineEdit(this);
    nameField_->setObjectName(QStringLiteral("nameField"));
    passwordField_ = new QLineEdit(this);
    passwordField_->setObjectName(QStringLiteral("passwordField"));
    auto* nameLabel = new QLabel(QStringLiteral("Uživatelské jméno"), this);
    nameLabel->setBuddy(nameField_);
    auto* passwordLabel = new QLabel(QStringLiteral("Heslo"), this);
    passwordLabel->setBuddy(passwordField_);
    fields->addWidget(nameLabel, 0, 0);
    fields->addWidget(nameField_, 0, 1);
    fields->addWidget(passwordLabel, 1, 0);
    fields->addWidget(passwordField_, 1, 1);
    fields->setRowStretch(2, 1);
    row->addLayout(fields, 1);

    const std::array<std::pair<const char*, QString>, 6> rights{{
        {"administrationBox", QStringLiteral("Administrace")},
        {"masterVolumeBox", QStringLiteral("Centrální hlasitost")},
        {"profileBox", QStringLiteral("Změna profilů")},
        {"radioBox", QStringLiteral("Rádio")},
        {"activatePresetsBox", QStringLiteral("Aktivace předvoleb")},
        {"storePresetsBox", QStringLiteral("Uložení předvoleb")},
    }};
    auto* column = new QVBoxLayout;
    for (std::size_t r = 0; r < rights.size(); ++r) {
        rights_.at(r) = new QCheckBox(rights.at(r).second, this);
        rights_.at(r)->setObjectName(QLatin1String(rights.at(r).first));
        column->addWidget(rights_.at(r));
    }
    row->addLayout(column);
    layout->addLayout(row);
}

void UserEditor::buildFlagGroups(QVBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    inputConfigBoxes_ =
        new FlagBoxGroup(QStringLiteral("Konfigurace vstupů"), QStringLiteral("inputConfigBox"),
                         link::kSourceCount, 1, inputFlags_, this);
    allowedInputBoxes_ =
        new FlagBoxGroup(QStringLiteral("Povolené vstupy"), QStringLiteral("allowedInputBox"),
                         link::kSourceCount, 11, inputFlags_, this);
    switchingBoxes_ = new FlagBoxGroup(QStringLiteral("Přepínání vstupů na výstupy"),
                                       QStringLiteral("switchingBox"), link::kOutputCount, 1,
                                       switchingFlags_, this);
    outputVolumeBoxes_ =
        new FlagBoxGroup(QStringLiteral("Hlasitost výstupů"), QStringLiteral("outputVolumeBox"),
                         link::kOutputCount, 1, outputFlags_, this);
    for (FlagBoxGroup* group :
         {inputConfigBoxes_, allowedInputBoxes_, switchingBoxes_, outputVolumeBoxes_})
        row->addWidget(group);
    // Until the settings dialog passes the stored names on.
    for (int i = 1; i <= link::kSourceCount; ++i)
        setInput(i, config::keys::defaultInputName(i), true);
    for (int j = 1; j <= link::kOutputCount; ++j)
        setOutput(j, config::keys::defaultOutputName(j), true);
    layout->addLayout(row);
}

void UserEditor::buildButtons(QVBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    auto* selectAll = new QPushButton(QStringLiteral("Vybrat vše"), this);
    selectAll->setObjectName(QStringLiteral("selectAllButton"));
    auto* clearAll = new QPushButton(QStringLiteral("Vymazat vše"), this);
    clearAll->setObjectName(QStringLiteral("clearAllButton"));
    for (QPushButton* button : {selectAll, clearAll})
        button->setAutoDefault(false);
    const OkCancelButtons buttons = newOkCancelButtons(this, OkCancelButtons::Enter::PressesOk);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
    row->addWidget(selectAll);
    row->addWidget(clearAll);
    row->addStretch();
    row->addWidget(buttons.box);
    layout->addLayout(row);
    connect(selectAll, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(clearAll, &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(buttons.box, &QDialogButtonBox::accepted, this, &UserEditor::saveAndClose);
}

void UserEditor::setInput(int input, const QString& name, bool enabled) {
    inputConfigBoxes_->setItem(input, name, enabled);
    allowedInputBoxes_->setItem(input, name, enabled);
}

void UserEditor::setOutput(int output, const QString& name, bool enabled) {
    switchingBoxes_->setItem(output, name, enabled);
    outputVolumeBoxes_->setItem(output, name, enabled);
}

int UserEditor::run(users::UserStore& store, Mode mode, int id) {
    store_ = &store;
    mode_ = mode;
    if (mode == Mode::Edit)
        id_ = id;
    else if (mode == Mode::Copy)
        copyId_ = id;
    if (!loadRecord())
        return QDialog::Rejected;
    nameField_->setFocus();
    return exec();
}

// Loads the record to edit over what the editor holds. A new user starts blank: no right
// and '0' at every flag position.
bool UserEditor::loadRecord() {
    if (mode_ == Mode::New) {
        clearEditor();
        showTexts(QString(), QString());
        return true;
    }
    if (mode_ == Mode::Copy)
        id_ = copyId_;
    std::optional<users::UserRecord> record;
    try {
        record = store_->load(id_);
    } catch (const config::DatabaseError& error) {
        qCWarning(lcSettings) << "user" << id_ << "not read:" << error.message();
        messages_.showMessage(
            MessageIcon::Error, caption(),
            QStringLiteral("Uživatele se nepodařilo načíst:\r\n%1").arg(error.message()));
        return false;
    }
    if (record) {
        showRecord(*record);
    } else {
        // Another panel deleted the row: the editor keeps what it showed last, without
        // rights, and OK stores it again under the same ID.
        showFlags(inputFlags_, outputFlags_, switchingFlags_);
        showTexts(nameField_->text(), passwordField_->text());
        showRights(users::UserRecord{});
    }
    return true;
}

void UserEditor::showRecord(const users::UserRecord& record) {
    showFlags(record.inputs, record.outputs, record.sourceSwitching);
    showTexts(record.name, record.password);
    showRights(record);
}

// Whole, as stored: a field that cut them would have OK store the cut texts.
void UserEditor::showTexts(const QString& name, const QString& password) {
    const users::UserTextLimits limits = store_->textLimits();
    showWhole(nameField_, name, limits.name);
    showWhole(passwordField_, password, users::longestPassword(limits.storedPassword));
}

// The working strings become the given flag strings, filled up to kFlagLength, and every
// flag box shows its position. A position that holds neither '0' nor its own letter stays
// as it is unless its box changes state.
void UserEditor::showFlags(const QString& inputs, const QString& outputs,
                           const QString& switching) {
    inputFlags_ = padded(inputs);
    outputFlags_ = padded(outputs);
    switchingFlags_ = padded(switching);
    inputConfigBoxes_->showFlags(inputFlags_);
    allowedInputBoxes_->showFlags(inputFlags_);
    switchingBoxes_->showFlags(switchingFlags_);
    outputVolumeBoxes_->showFlags(outputFlags_);
}

void UserEditor::showRights(const users::UserRecord& record) {
    const std::array<bool, 6> ticked{record.administration,  record.masterVolume,
                                     record.profile,         record.radio,
                                     record.activatePresets, record.storePresets};
    for (std::size_t r = 0; r < rights_.size(); ++r)
        rights_.at(r)->setChecked(ticked.at(r));
}

void UserEditor::clearEditor() {
    tickAll(false);
    inputFlags_ = QString(kFlagLength, QLatin1Char('0'));
    outputFlags_ = inputFlags_;
    switchingFlags_ = inputFlags_;
}

void UserEditor::tickAll(bool select) {
    for (FlagBoxGroup* group :
         {inputConfigBoxes_, allowedInputBoxes_, switchingBoxes_, outputVolumeBoxes_}) {
        if (select)
            group->selectEnabled();
        else
            group->clearAll();
    }
    for (QCheckBox* right : rights_)
        right->setChecked(select && right->isEnabled());
}

users::UserRecord UserEditor::recordFromControls() const {
    users::UserRecord record;
    record.name = nameField_->text();
    record.password = passwordField_->text();
    record.inputs = inputFlags_;
    record.outputs = outputFlags_;
    record.sourceSwitching = switchingFlags_;
    record.administration = rights_[0]->isChecked();
    record.masterVolume = rights_[1]->isChecked();
    record.profile = rights_[2]->isChecked();
    record.radio = rights_[3]->isChecked();
    record.activatePresets = rights_[4]->isChecked();
    record.storePresets = rights_[5]->isChecked();
    return record;
}

void UserEditor::saveAndClose() {
    if (!users::canEncrypt(passwordField_->text())) {
        messages_.showMessage(MessageIcon::Error, caption(),
                              QStringLiteral("Heslo obsahuje znak, který nelze uložit. Použijte "
                                             "písmena, číslice a znaky české klávesnice."));
        passwordField_->setFocus();
        return;
    }
    if (!textsFitTheStore())
        return;
    try {
        id_ = store_->save(id_, recordFromControls(), mode_ != Mode::Edit);
    } catch (const config::DatabaseError& error) {
        saveFailed(error.message() + QStringLiteral("\r\nZáznam v databázi zůstal beze změny."));
        return;
    } catch (const config::SettingsWriteError& error) {
        saveFailed(error.path() + QStringLiteral(": ") + error.reason());
        return;
    }
    accept();
}

// Texts kept from the editor's previous use (when the record has no row any more) may come
// from a store that holds more; they are refused rather than cut.
bool UserEditor::textsFitTheStore() {
    const users::UserTextLimits limits = store_->textLimits();
    const std::array<std::tuple<QLineEdit*, QString, qsizetype>, 2> fields{{
        {nameField_, QStringLiteral("Uživatelské jméno"), limits.name},
        {passwordField_, QStringLiteral("Heslo"), users::longestPassword(limits.storedPassword)},
    }};
    for (const auto& [field, label, limit] : fields) {
        if (field->text().size() > limit) {
            messages_.showMessage(MessageIcon::Error, caption(),
                                  QStringLiteral("%1 má %2 znaků, uložit lze nejvýše %3.")
                                      .arg(label)
                                      .arg(field->text().size())
                                      .arg(limit));
            field->setFocus();
            return false;
        }
    }
    return true;
}

void UserEditor::saveFailed(const QString& reason) {
    qCWarning(lcSettings) << "user not saved:" << reason;
    messages_.showMessage(MessageIcon::Error, caption(),
                          QStringLiteral("Uživatele se nepodařilo uložit:\r\n%1").arg(reason));
}

} // namespace orfa::settings
