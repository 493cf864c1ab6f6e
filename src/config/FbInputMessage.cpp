#include "config/FbInputMessage.h"

#include "config/DatabaseError.h"
#include "config/FbClient.h"
#include "config/Win1250.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace orfa::config {
namespace {

// A VARCHAR in a message holds at most this many bytes.
constexpr qsizetype kMaxTextBytes = 32765;

enum class Kind { Null, Text, Integer };

Kind kindOf(const QVariant& value, unsigned index) {
    if (value.isNull())
        return Kind::Null;
    switch (value.typeId()) {
    case QMetaType::QString:
        return Kind::Text;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Bool:
        return Kind::Integer;
    default:
        throw DatabaseError(QStringLiteral("parameter %1 has a type a statement cannot take: %2")
                                .arg(index + 1)
                                .arg(QString::fromLatin1(value.typeName())));
    }
}

QByteArray textBytes(const QVariant& value, unsigned index) {
    std::optional<QByteArray> bytes = win1250::encode(value.toString());
    if (!bytes)
        throw DatabaseError(
            QStringLiteral("parameter %1 holds a character the Windows-1250 code page lacks")
                .arg(index + 1));
    if (bytes->size() > kMaxTextBytes)
        throw DatabaseError(QStringLiteral("parameter %1 is too long").arg(index + 1));
    return *bytes;
}

// Declares field i of the message: a BIGINT for an integer, else a Windows-1250 VARCHAR of
// textSize bytes.
void describeField(Firebird::IMetadataBuilder* builder, Firebird::ThrowStatusWrapper* status,
                   unsigned i, Kind kind, qsizetype textSize) {
    if (kind == Kind::Integer) {
        builder->setType(status, i, SQL_INT64 + 1);
        builder->setLength(status, i, sizeof(std::int64_t));
        builder->setScale(status, i, 0);
        return;
    }
    builder->setType(status, i, SQL_VARYING + 1);
    // A VARCHAR of length 0 is not a valid message field; the stored length says 0.
    builder->setLength(status, i, static_cast<unsigned>(std::max<qsizetype>(textSize, 1)));
    builder->setCharSet(status, i, fbclient::kCharsetWin1250);
}

// Writes the value of a field as describeField() declared it; a NULL leaves it as it is.
void writeField(unsigned char* field, Kind kind, const QVariant& value, const QByteArray& text) {
    if (kind == Kind::Integer) {
        const std::int64_t number = value.toLongLong();
        std::memcpy(field, &number, sizeof number);
    } else if (kind == Kind::Text) {
        const auto length = static_cast<std::uint16_t>(text.size());
        std::memcpy(field, &length, sizeof length);
        std::memcpy(field + sizeof length, text.constData(), length);
    }
}

} // namespace

FbInputMessage::FbInputMessage(Firebird::IMaster* master, Firebird::ThrowStatusWrapper* status,
                               unsigned expected, const QVariantList& params) {
    if (static_cast<qsizetype>(expected) != params.size())
        throw DatabaseError(QStringLiteral("the statement takes %1 parameters, %2 given")
                                .arg(expected)
                                .arg(params.size()));
    if (expected == 0)
        return;

    std::vector<Kind> kinds;
    std::vector<QByteArray> texts(expected);
    FbRef<Firebird::IMetadataBuilder> builder(master->getMetadataBuilder(status, expected));
    for (unsigned i = 0; i < expected; ++i) {
        const QVariant& value = params.at(i);
        kinds.push_back(kindOf(value, i));
        if (kinds.back() == Kind::Text)
            texts[i] = textBytes(value, i);
        describeField(builder.get(), status, i, kinds.back(), texts[i].size());
    }
    metadata_.reset(builder->getMetadata(status));
    buffer_.assign(metadata_->getMessageLength(status), 0);

    for (unsigned i = 0; i < expected; ++i) {
        const std::int16_t nullFlag = kinds[i] == Kind::Null ? -1 : 0;
        std::memcpy(&buffer_[metadata_->getNullOffset(status, i)], &nullFlag, sizeof nullFlag);
        writeField(&buffer_[metadata_->getOffset(status, i)], kinds[i], params.at(i), texts[i]);
    }
}

} // namespace orfa::config
