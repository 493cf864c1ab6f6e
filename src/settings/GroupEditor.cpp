#include "settings/GroupEditor.h"

#include "config/DatabaseError.h"
#include "config/SettingsKeys.h"
#include "config/SettingsWriteError.h"
#include "settings/CaptionText.h"
#include "settings/MessageSink.h"
#include "settings/OkCancelButtons.h"
#include "settings/SettingsLog.h"
#include "users/GroupStore.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include <vector>

namespace orfa::settings {
namespace {

QString caption() {
    return QStringLiteral("Editace skupin");
}

// Outputs 1 to 8 in the left column, 9 to 16 in the right one, as on the page "Výstupy".
constexpr int kPerColumn = 8;

} // namespace

GroupEditor::GroupEditor(MessageSink& messages, QWidget* parent)
    : QDialog(parent)
    , messages_(messages) {
    setObjectName(QStringLiteral("groupEditor"));
    setWindowTitle(caption());
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(QStringLiteral("Skupiny výstupů"), this);
    frame->setObjectName(QStringLiteral("groupOutputs"));
    auto* grid = new QGridLayout(frame);
    for (int k = 1; k <= link::kOutputCount; ++k) {
        auto* box = new QCheckBox(frame);
        box->setObjectName(QStringLiteral("groupOutput%1").arg(k));
        grid->addWidget(box, (k - 1) % kPerColumn, (k - 1) / kPerColumn);
        outputBoxes_.at(static_cast<std::size_t>(k - 1)) = box;
        setOutput(k, config::keys::defaultOutputName(k), true);
    }
    layout->addWidget(frame);

    const OkCancelButtons buttons = newOkCancelButtons(this, OkCancelButtons::Enter::PressesOk);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
    layout->addWidget(buttons.box);
    connect(buttons.box, &QDialogButtonBox::accepted, this, &GroupEditor::saveAndClose);
}

void GroupEditor::setOutput(int output, const QString& name, bool enabled) {
    QCheckBox* box = outputBox(output);
    box->setText(captionText(name));
    box->setAccessibleName(QStringLiteral("Ve skupině: ") + name);
    box->setEnabled(enabled);
}

int GroupEditor::run(users::GroupStore& store, bool isNew, int id) {
    store_ = &store;
    isNewGroup_ = isNew;
    if (!isNew)
        groupId_ = id;
    if (!loadGroup())
        return QDialog::Rejected;
    return exec();
}

bool GroupEditor::loadGroup() {
    try {
        if (isNewGroup_)
            groupId_ = store_->newGroupId();
        for (QCheckBox* box : outputBoxes_)
            box->setChecked(false);
        for (const int output : store_->members(groupId_))
            outputBox(output)->setChecked(true);
    } catch (const config::DatabaseError& error) {
        reportFailure(QStringLiteral("Skupinu se nepodařilo načíst"), error.message());
        return false;
    } catch (const config::SettingsWriteError& error) {
        // Only a new group's ID can be refused by the file.
        reportFailure(QStringLiteral("Novou skupinu nelze založit"),
                      error.path() + QStringLiteral(": ") + error.reason());
        return false;
    }
    return true;
}

void GroupEditor::saveAndClose() {
    std::vector<int> members;
    for (int k = 1; k <= link::kOutputCount; ++k) {
        if (outputBox(k)->isChecked())
            members.push_back(k);
    }
    try {
        store_->save(groupId_, members, isNewGroup_);
    } catch (const config::DatabaseError& error) {
        reportFailure(QStringLiteral("Skupinu se nepodařilo uložit"),
                      error.message() +
                          QStringLiteral("\r\nSkupina v databázi zůstala beze změny."));
        return;
    } catch (const config::SettingsWriteError& error) {
        reportFailure(QStringLiteral("Skupinu se nepodařilo uložit"),
                      error.path() + QStringLiteral(": ") + error.reason());
        return;
    }
    accept();
}

void GroupEditor::reportFailure(const QString& what, const QString& reason) {
    qCWarning(lcSettings) << "group" << groupId_ << what << reason;
    messages_.showMessage(MessageIcon::Error, caption(), what + QStringLiteral(":\r\n") + reason);
}

} // namespace orfa::settings
