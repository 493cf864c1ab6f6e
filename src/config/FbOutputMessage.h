#pragma once

#include "config/FbRef.h"

#include <firebird/Interface.h>

#include <QStringList>
#include <QVariantList>

#include <vector>

namespace orfa::config {

// A buffer for one row of a statement's result, in a layout of our own: texts as VARCHAR
// (CHAR without its padding blanks), integers without decimals as BIGINT, every other type
// converted by the server to text.
class FbOutputMessage {
public:
    // described: the statement's output metadata. Throws Firebird::FbException when the
    // library refuses the layout.
    FbOutputMessage(Firebird::ThrowStatusWrapper* status, Firebird::IMessageMetadata* described);

    unsigned count() const { return static_cast<unsigned>(kinds_.size()); }
    // Null when the statement returns no columns.
    Firebird::IMessageMetadata* metadata() const { return metadata_.get(); }
    void* buffer() { return buffer_.empty() ? nullptr : buffer_.data(); }

    // Column names: the alias where the statement gives one, else the column's name.
    const QStringList& columns() const { return columns_; }
    // The row now in buffer(): QString, qlonglong or a null QVariant per column.
    QVariantList row() const;

private:
    enum class Kind { Text, PaddedText, Integer };

    FbRef<Firebird::IMessageMetadata> metadata_;
    std::vector<unsigned char> buffer_;
    QStringList columns_;
    std::vector<Kind> kinds_;
    std::vector<unsigned> offsets_;
    std::vector<unsigned> nullOffsets_;
    std::vector<unsigned> lengths_;
};

} // namespace orfa::config
