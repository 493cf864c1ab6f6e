#include "settings/NstEditUziv.h"

#include "config/DatabaseError.h"
#include "config/SettingsKeys.h"
#include "config/SettingsWriteError.h"
#include "settings/FlagBoxGroup.h"
#include "settings/MessageSink.h"
#include "settings/SettingsLog.h"
#include "settings/TextLength.h"
#include "users/PasswordCipher.h"
#include "users/UserRecord.h"
#include "users/UserStore.h"

#include <QCheckBox>
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

// How many characters of name and password a store holds.
struct FieldLimits {
    qsizetype name = 0;
    qsizetype password = 0;
};

FieldLimits fieldLimits(const users::UserStore& store) {
    const users::UserTextLimits limits = store.textLimits();
    return FieldLimits{limits.name, users::longestPassword(limits.storedPassword)};
}

QString padded(const QString& flags) {
    return flags.size() >= NstEditUziv::kFlagLength
               ? flags
               : flags + QString(NstEditUziv::kFlagLength - flags.size(), QLatin1Char('0'));
}

} // namespace

NstEditUziv::NstEditUziv(MessageSink& messages, QWidget* parent)
    : QDialog(parent)
    , messages_(messages) {
    setObjectName(QStringLiteral("NstEditUziv"));
    setWindowTitle(caption());
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    buildFields(layout);
    buildFlagGroups(layout);
    buildButtons(layout);
    clearEditor();
}

NstEditUziv::~NstEditUziv() = default;

void NstEditUziv::buildFields(QVBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    auto* fields = new QGridLayout;
    jmenoE_ = new QLineEdit(this);
    jmenoE_->setObjectName(QStringLiteral("JmenoE"));
    hesloE_ = new QLineEdit(this);
    hesloE_->setObjectName(QStringLiteral("HesloE"));
    auto* nameLabel = new QLabel(QStringLiteral("Uživatelské jméno"), this);
    nameLabel->setBuddy(jmenoE_);
    auto* passwordLabel = new QLabel(QStringLiteral("Heslo"), this);
    passwordLabel->setBuddy(hesloE_);
    fields->addWidget(nameLabel, 0, 0);
    fields->addWidget(jmenoE_, 0, 1);
    fields->addWidget(passwordLabel, 1, 0);
    fields->addWidget(hesloE_, 1, 1);
    fields->setRowStretch(2, 1);
    row->addLayout(fields, 1);

    const std::array<std::pair<const char*, QString>, 6> rights{{
        {"PovolAdminChB", QStringLiteral("Administrace")},
        {"HlasChb", QStringLiteral("Centrální hlasitost")},
        {"ProfilChb", QStringLiteral("Změna profilů")},
        {"RadioChB", QStringLiteral("Rádio")},
        {"AKtivacePredvolebCHb", QStringLiteral("Aktivace předvoleb")},
        {"UlozeniPredvolebChb", QStringLiteral("Uložení předvoleb")},
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

void NstEditUziv::buildFlagGroups(QVBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    vstupyChB_ = new FlagBoxGroup(QStringLiteral("Konfigurace vstupů"), QStringLiteral("VstupyChB"),
                                  kInputs, 1, vstupy_, this);
    vstupyEnChB_ = new FlagBoxGroup(QStringLiteral("Povolené vstupy"),
                                    QStringLiteral("VstupyEnChB"), kInputs, 11, vstupy_, this);
    maticeChb_ = new FlagBoxGroup(QStringLiteral("Přepínání vstupů na výstupy"),
                                  QStringLiteral("MaticeChb"), kOutputs, 1, matice_, this);
    vystupyChb_ = new FlagBoxGroup(QStringLiteral("Hlasitost výstupů"),
                                   QStringLiteral("VystupyChb"), kOutputs, 1, vystupy_, this);
    for (FlagBoxGroup* group : {vstupyChB_, vstupyEnChB_, maticeChb_, vystupyChb_})
        row->addWidget(group);
    // Until the settings dialog passes the stored names on.
    for (int i = 1; i <= kInputs; ++i)
        setInput(i, config::keys::defaultInputName(i), true);
    for (int j = 1; j <= kOutputs; ++j)
        setOutput(j, config::keys::defaultOutputName(j), true);
    layout->addLayout(row);
}

void NstEditUziv::buildButtons(QVBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    auto* selectAll = new QPushButton(QStringLiteral("Vybrat vše"), this);
    selectAll->setObjectName(QStringLiteral("Button1"));
    auto* clearAll = new QPushButton(QStringLiteral("Vymazat vše"), this);
    clearAll->setObjectName(QStringLiteral("Button2"));
    okButt_ = new QPushButton(QStringLiteral("&OK"), this);
    okButt_->setObjectName(QStringLiteral("OkButt"));
    okButt_->setDefault(true);
    stormoButt_ = new QPushButton(QStringLiteral("&Stormo"), this);
    stormoButt_->setObjectName(QStringLiteral("StormoButt"));
    for (QPushButton* button : {selectAll, clearAll, stormoButt_})
        button->setAutoDefault(false);
    row->addWidget(selectAll);
    row->addWidget(clearAll);
    row->addStretch();
    row->addWidget(okButt_);
    row->addWidget(stormoButt_);
    layout->addLayout(row);
    connect(selectAll, &QPushButton::clicked, this, [this] { Button1Click(true); });
    connect(clearAll, &QPushButton::clicked, this, [this] { Button1Click(false); });
    connect(okButt_, &QPushButton::clicked, this, &NstEditUziv::OkButtClick);
    connect(stormoButt_, &QPushButton::clicked, this, &QDialog::reject);
}

void NstEditUziv::setInput(int input, const QString& name, bool enabled) {
    vstupyChB_->setItem(input, name, enabled);
    vstupyEnChB_->setItem(input, name, enabled);
}

void NstEditUziv::setOutput(int output, const QString& name, bool enabled) {
    maticeChb_->setItem(output, name, enabled);
    vystupyChb_->setItem(output, name, enabled);
}

int NstEditUziv::run(users::UserStore& store, Mode mode, int id) {
    store_ = &store;
    mode_ = mode;
    if (mode == Mode::Edit)
        id_ = id;
    else if (mode == Mode::Copy)
        copyId_ = id;
    if (!FormShow())
        return QDialog::Rejected;
    jmenoE_->setFocus();
    return exec();
}

// Loads the record to edit over what the editor holds. A new user starts blank: no right
// and '0' at every flag position.
bool NstEditUziv::FormShow() {
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
        showFlags(vstupy_, vystupy_, matice_);
        showTexts(jmenoE_->text(), hesloE_->text());
        showRights(users::UserRecord{});
    }
    return true;
}

void NstEditUziv::showRecord(const users::UserRecord& record) {
    showFlags(record.inputs, record.outputs, record.sourceSwitching);
    showTexts(record.name, record.password);
    showRights(record);
}

// Whole, as stored: a field that cut them would have OK store the cut texts.
void NstEditUziv::showTexts(const QString& name, const QString& password) {
    const FieldLimits limits = fieldLimits(*store_);
    showWhole(jmenoE_, name, limits.name);
    showWhole(hesloE_, password, limits.password);
}

// The working strings become the given flag strings, filled up to kFlagLength, and every
// flag box shows its position. A position that holds neither '0' nor its own letter stays
// as it is unless its box changes state.
void NstEditUziv::showFlags(const QString& vstupy, const QString& vystupy, const QString& matice) {
    vstupy_ = padded(vstupy);
    vystupy_ = padded(vystupy);
    matice_ = padded(matice);
    vstupyChB_->showFlags(vstupy_);
    vstupyEnChB_->showFlags(vstupy_);
    maticeChb_->showFlags(matice_);
    vystupyChb_->showFlags(vystupy_);
}

void NstEditUziv::showRights(const users::UserRecord& record) {
    const std::array<bool, 6> ticked{record.administration,  record.masterVolume,
                                     record.profile,         record.radio,
                                     record.activatePresets, record.storePresets};
    for (std::size_t r = 0; r < rights_.size(); ++r)
        rights_.at(r)->setChecked(ticked.at(r));
}

void NstEditUziv::clearEditor() {
    Button1Click(false);
    vstupy_ = QString(kFlagLength, QLatin1Char('0'));
    vystupy_ = vstupy_;
    matice_ = vstupy_;
}

void NstEditUziv::Button1Click(bool select) {
    for (FlagBoxGroup* group : {vstupyChB_, vstupyEnChB_, maticeChb_, vystupyChb_}) {
        if (select)
            group->selectEnabled();
        else
            group->clearAll();
    }
    for (QCheckBox* right : rights_)
        right->setChecked(select && right->isEnabled());
}

users::UserRecord NstEditUziv::recordFromControls() const {
    users::UserRecord record;
    record.name = jmenoE_->text();
    record.password = hesloE_->text();
    record.inputs = vstupy_;
    record.outputs = vystupy_;
    record.sourceSwitching = matice_;
    record.administration = rights_[0]->isChecked();
    record.masterVolume = rights_[1]->isChecked();
    record.profile = rights_[2]->isChecked();
    record.radio = rights_[3]->isChecked();
    record.activatePresets = rights_[4]->isChecked();
    record.storePresets = rights_[5]->isChecked();
    return record;
}

void NstEditUziv::OkButtClick() {
    if (!users::canEncrypt(hesloE_->text())) {
        messages_.showMessage(MessageIcon::Error, caption(),
                              QStringLiteral("Heslo obsahuje znak, který nelze uložit. Použijte "
                                             "písmena, číslice a znaky české klávesnice."));
        hesloE_->setFocus();
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
bool NstEditUziv::textsFitTheStore() {
    const FieldLimits limits = fieldLimits(*store_);
    const std::array<std::tuple<QLineEdit*, QString, qsizetype>, 2> fields{{
        {jmenoE_, QStringLiteral("Uživatelské jméno"), limits.name},
        {hesloE_, QStringLiteral("Heslo"), limits.password},
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

void NstEditUziv::saveFailed(const QString& reason) {
    qCWarning(lcSettings) << "user not saved:" << reason;
    messages_.showMessage(MessageIcon::Error, caption(),
                          QStringLiteral("Uživatele se nepodařilo uložit:\r\n%1").arg(reason));
}

} // namespace orfa::settings
