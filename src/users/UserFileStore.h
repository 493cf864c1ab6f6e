#pragma once

#include "users/UserStore.h"

namespace orfa::config {
class SettingsFile;
}

namespace orfa::users {

// User records in the settings file, section "Orfa": record n is the keys "Uziv_<n>_...",
// "MaxIDUziv" the highest ID ever given out. A deleted record keeps its keys but an empty
// name.
class UserFileStore : public UserStore {
public:
    // file must outlive the store.
    explicit UserFileStore(config::SettingsFile& file);

    // Always a record: missing keys read as empty texts and unticked rights, a right is
    // ticked when its key holds a number other than 0.
    std::optional<UserRecord> load(int id) override;
    // A new record takes "MaxIDUziv" + 1 and writes the counter first; a counter that gives
    // no ID the readers look at refuses it before anything is written (newFileRecordId()).
    // Then, in this order: Vstupy, Vystupy, Matice, Jmeno, Heslo (cipher form), and the six
    // rights as "1" or "0". When a write of a new record is refused after its name, the name
    // is emptied again where the file still takes it, so that no half-written user (one
    // without its password) can log in.
    int save(int id, const UserRecord& record, bool asNew) override;
    // Empties "Uziv_<id>_Jmeno" and leaves the other keys and "MaxIDUziv".
    void remove(int id) override;
    // The file reads back config::SettingsFile::maxTextLength characters of a value.
    UserTextLimits textLimits() const override;

private:
    config::SettingsFile& file_;
};

} // namespace orfa::users
