#pragma once

#include "link/Instructions.h"

#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QPushButton;

namespace orfa::users {
class GroupStore;
}

namespace orfa::settings {

class MessageSink;

// The group editor "Editace skupin": the member outputs of one output group, one check box
// per output in "Skupiny výstupů". The settings dialog creates one editor when it opens and
// passes the outputs' names and enable flags on to it (setOutput); a box of a disabled
// output cannot be clicked, but a member it already is stays ticked and is saved again.
// "&OK" stores the group at once; "&Stormo" and the close box store nothing.
class GroupEditor : public QDialog {
    Q_OBJECT
public:
    // messages must outlive the editor.
    explicit GroupEditor(MessageSink& messages, QWidget* parent = nullptr);

    // Output j (1..16): caption and enabled state of its check box.
    void setOutput(int output, const QString& name, bool enabled);

    // Shows the editor modally for group id of store, or for a new group, which takes its
    // ID from the store now (in the database that uses up a generator value even when the
    // editor is cancelled). Returns QDialog::Accepted when OK stored the group. When the
    // store cannot be asked, or has no ID for a new group, the operator is told and the
    // editor is not shown (Rejected).
    int run(users::GroupStore& store, bool isNew, int id);

    // Stores the ticked outputs in increasing order as the group's members
    // and closes with Accepted; a store that refuses is reported and the editor stays open.
    void saveAndClose();

    int groupId() const { return groupId_; }
    bool isNewGroup() const { return isNewGroup_; }
    // Check box of output k, 1..16.
    QCheckBox* outputBox(int k) const { return outputBoxes_.at(static_cast<std::size_t>(k - 1)); }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

private:
    bool loadGroup();
    void reportFailure(const QString& what, const QString& reason);

    MessageSink& messages_;
    users::GroupStore* store_ = nullptr;
    int groupId_ = 0;
    bool isNewGroup_ = false;
    std::array<QCheckBox*, link::kOutputCount> outputBoxes_{};
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace orfa::settings
