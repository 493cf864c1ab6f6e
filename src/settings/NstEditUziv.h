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
class NstEditUziv : public QDialog {
    Q_OBJECT
public:
    static constexpr int kInputs = 10;
    static constexpr int kOutputs = 16;
    // Flag strings are stored at least this long, filled up with '0'.
    static constexpr int kFlagLength = 27;

    enum class Mode { New, Edit, Copy };

    // messages must outlive the editor.
    explicit NstEditUziv(MessageSink& messages, QWidget* parent = nullptr);
    ~NstEditUziv() override;

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

    // `OkButtClick`: stores the record in the store run() was given and closes with
    // Accepted. A password with a character that cannot be stored, a name or password
    // longer than the store holds, or a store that refuses the save, is reported and the
    // editor stays open.
    void OkButtClick();
    // `Button1Click`: "Vybrat vše" (select) ticks every enabled check box and unticks the
    // disabled ones; "Vymazat vše" unticks all.
    void Button1Click(bool select);

    bool Novy() const { return mode_ == Mode::New; }
    bool Editovat() const { return mode_ == Mode::Edit; }
    bool Kopirovat() const { return mode_ == Mode::Copy; }
    // The record being edited; after a save, the ID it was saved under.
    int Id() const { return id_; }
    // The working flag strings.
    const QString& inputs() const { return vstupy_; }
    const QString& outputs() const { return vystupy_; }
    const QString& sourceSwitching() const { return matice_; }

    QLineEdit* JmenoE() const { return jmenoE_; }
    QLineEdit* HesloE() const { return hesloE_; }
    FlagBoxGroup& VstupyChB() const { return *vstupyChB_; }
    FlagBoxGroup& VstupyEnChB() const { return *vstupyEnChB_; }
    FlagBoxGroup& MaticeChb() const { return *maticeChb_; }
    FlagBoxGroup& VystupyChb() const { return *vystupyChb_; }
    // The six right boxes in the order of the stores: Administrace, Centrální hlasitost,
    // Změna profilů, Rádio, Aktivace předvoleb, Uložení předvoleb.
    const std::array<QCheckBox*, 6>& rightBoxes() const { return rights_; }
    QPushButton* okButton() const { return okButt_; }
    QPushButton* cancelButton() const { return stormoButt_; }

private:
    void buildFields(QVBoxLayout* layout);
    void buildFlagGroups(QVBoxLayout* layout);
    void buildButtons(QVBoxLayout* layout);
    bool FormShow();
    void showRecord(const users::UserRecord& record);
    void showFlags(const QString& vstupy, const QString& vystupy, const QString& matice);
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
    QString vstupy_;
    QString vystupy_;
    QString matice_;

    QLineEdit* jmenoE_ = nullptr;
    QLineEdit* hesloE_ = nullptr;
    std::array<QCheckBox*, 6> rights_{};
    FlagBoxGroup* vstupyChB_ = nullptr;
    FlagBoxGroup* vstupyEnChB_ = nullptr;
    FlagBoxGroup* maticeChb_ = nullptr;
    FlagBoxGroup* vystupyChb_ = nullptr;
    QPushButton* okButt_ = nullptr;
    QPushButton* stormoButt_ = nullptr;
};

} // namespace orfa::settings
