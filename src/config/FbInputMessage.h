#pragma once

#include "config/FbRef.h"

#include <firebird/Interface.h>

#include <QVariantList>

#include <vector>

namespace orfa::config {

// The values of a statement's '?' parameters in a message of our own layout, so the
// server converts them to the columns' types: a QString as VARCHAR in Windows-1250, an
// integer as BIGINT, a null QVariant as NULL. Values never become part of the SQL text,
// so no character in them can change what a statement does.
class FbInputMessage {
public:
    // expected: the number of parameters the prepared statement has. Throws DatabaseError
    // when the count differs, for a value of another type, for a text with a character
    // outside Windows-1250 or one too long for a message; Firebird::FbException when the
    // library refuses the layout.
    FbInputMessage(Firebird::IMaster* master, Firebird::ThrowStatusWrapper* status,
                   unsigned expected, const QVariantList& params);

    // Both null for a statement without parameters.
    Firebird::IMessageMetadata* metadata() const { return metadata_.get(); }
    void* buffer() { return buffer_.empty() ? nullptr : buffer_.data(); }

private:
    FbRef<Firebird::IMessageMetadata> metadata_;
    std::vector<unsigned char> buffer_;
};

} // namespace orfa::config
