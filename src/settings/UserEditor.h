#pragma once

#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace orfa::users {
class UserStore;
struct UserRecord;
} // namespace orfa::users

namespace orfa::settings {

class FlagBoxGroup;
class MessageSink;

// The user editor "Editace uživatelů": name, password, the six integer rights and the four
// groups of flag check boxes of one user record. The settings dialog creates one editor
// when it opens and uses it for every New, Edit and Copy while it stays open; the texts and
// working flag strings carry over from one use to the next (New clears them, Edit and Copy
// load a record over them).
//
// The captions and enabled state of the flag check boxes come from the settings dialog
// (setInput, setOutput); the editor never sets them itself. "&OK" stores the record at
// once; "&Stormo" and the close box store nothing.
class UserEditor : public QDialog {
    Q_OBJECT
public:
    // Flag strings are stored at least this long, filled up with '0'.
    static constexpr int kFlagLength = 27;

    enum class Mode { New, Edit, Copy };

    // messages must outlive the editor.
    explicit UserEditor(MessageSink& messages, QWidget* parent = nullptr);
    ~UserEditor() override;

    // Input i (1..10): caption and enabled state of its boxes in "Konfigurace vstupů" and
    // "Povolené vstupy".
    void setInput(int input, const QString& name, bool enabled);
    // Output j (1..16): its boxes in "Přepínání vstupů na výstupy" and "Hlasitost výstupů".
    void setOutput(int output, const QString& name, bool enabled);

    // Shows the editor modally for one record of store: a blank one for New, record id for
    // Edit, a copy of record id for Copy (saved under a new ID). Name and password show as
    // stored, never cut; typing adds to them only what store holds. Returns
    // QDialog::Accepted when OK stored the record. When the record cannot be read the
    // operator is told and the editor is not shown (Rejected).
    int run(users::UserStore& store, Mode mode, int id);

    // Stores the record in the store run() was given and closes with
    // Accepted. A password with a character that cannot be stored, a name or password
    // longer than the store holds, or a store that refuses the save, is reported and the
    // editor stays open.
    void saveAndClose();
    // "Vybrat vše" (select) ticks every enabled check box and unticks the
    // disabled ones; "Vymazat vše" unticks all.
    void tickAll(bool select);

    bool isNew() const { return mode_ == Mode::New; }
    bool isEditing() const { return mode_ == Mode::Edit; }
    bool isCopying() const { return mode_ == Mode::Copy; }
    // The record being edited; after a save, the ID it was saved under.
    int id() const { return id_; }
    // The working flag strings.
    const QString& inputs() const { return inputFlags_; }
    const QString& outputs() const { return outputFlags_; }
    const QString& sourceSwitching() const { return switchingFlags_; }

    QLineEdit* nameField() const { return nameField_; }
    QLineEdit* passwordField() const { return passwordField_; }
    FlagBoxGroup& inputConfigBoxes() const { return *inputConfigBoxes_; }
    FlagBoxGroup& allowedInputBoxes() const { return *allowedInputBoxes_; }
    FlagBoxGroup& switchingBoxes() const { return *switchingBoxes_; }
    FlagBoxGroup& outputVolumeBoxes() const { return *outputVolumeBoxes_; }
    // The six right boxes in the order of the stores: Administrace, Centrální hlasitost,
    // Změna profilů, Rádio, Aktivace předvoleb, Uložení předvoleb.
    const std::array<QCheckBox*, 6>& rightBoxes() const { return rights_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

private:
    void buildFields(QVBoxLayout* layout);
    void buildFlagGroups(QVBoxLayout* layout);
    void buildButtons(QVBoxLayout* layout);
    bool loadRecord();
    void showRecord(const users::UserRecord& record);
    void showFlags(const QString& inputs, const QString& outputs, const QString& switching);
    void showRights(const users::UserRecord& record);
    void showTexts(const QString& name, const QString& password);
    void clearEditor();
    bool textsFitTheStore();
    users::UserRecord recordFromControls() const;
    void saveFailed(const QString& reason);

    MessageSink& messages_;
    users::UserStore* store_ = nullptr;
    Mode mode_ = Mode::New;
    int id_ = 0;
    int copyId_ = 0;
    QString inputFlags_;
    QString outputFlags_;
    QString switchingFlags_;

    QLineEdit* nameField_ = nullptr;
    QLineEdit* passwordField_ = nullptr;
    std::array<QCheckBox*, 6> rights_{};
    FlagBoxGroup* inputConfigBoxes_ = nullptr;
    FlagBoxGroup* allowedInputBoxes_ = nullptr;
    FlagBoxGroup* switchingBoxes_ = nullptr;
    FlagBoxGroup* outputVolumeBoxes_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace orfa::settings
