#include "config/FbOutputMessage.h"

#include "config/FbClient.h"
#include "config/Win1250.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace orfa::config {
namespace {

// Room for any number, date or time the server writes as text.
constexpr unsigned kConvertedTextBytes = 64;

} // namespace

FbOutputMessage::FbOutputMessage(Firebird::ThrowStatusWrapper* status,
                                 Firebird::IMessageMetadata* described) {
    const unsigned count = described->getCount(status);
    if (count == 0)
        return;
    FbRef<Firebird::IMetadataBuilder> builder(described->getBuilder(status));
    for (unsigned i = 0; i < count; ++i) {
        const char* alias = described->getAlias(status, i);
        const char* field = described->getField(status, i);
        columns_.append(QString::fromUtf8(alias != nullptr && *alias != '\0' ? alias : field));

        const unsigned type = described->getType(status, i) & ~1U;
        const bool wholeNumber = (type == SQL_SHORT || type == SQL_LONG || type == SQL_INT64) &&
                                 described->getScale(status, i) == 0;
        if (wholeNumber) {
            kinds_.push_back(Kind::Integer);
            builder->setType(status, i, SQL_INT64 + 1);
            builder->setLength(status, i, sizeof(std::int64_t));
        } else if (type == SQL_TEXT || type == SQL_VARYING) {
            kinds_.push_back(type == SQL_TEXT ? Kind::PaddedText : Kind::Text);
            builder->setType(status, i, SQL_VARYING + 1);
            // Texts of another character set reach us in the connection's code page.
            const unsigned charset = described->getCharSet(status, i);
            if (charset != fbclient::kCharsetNone && charset != fbclient::kCharsetOctets)
                builder->setCharSet(status, i, fbclient::kCharsetWin1250);
        } else {
            kinds_.push_back(Kind::Text);
            builder->setType(status, i, SQL_VARYING + 1);
            builder->setLength(status, i, kConvertedTextBytes);
            builder->setScale(status, i, 0);
            builder->setCharSet(status, i, fbclient::kCharsetNone);
        }
    }
    metadata_.reset(builder->getMetadata(status));
    buffer_.assign(metadata_->getMessageLength(status), 0);
    for (unsigned i = 0; i < count; ++i) {
        offsets_.push_back(metadata_->getOffset(status, i));
        nullOffsets_.push_back(metadata_->getNullOffset(status, i));
        lengths_.push_back(metadata_->getLength(status, i));
    }
}

QVariantList FbOutputMessage::row() const {
    QVariantList values;
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        std::int16_t nullFlag = 0;
        std::memcpy(&nullFlag, &buffer_[nullOffsets_[i]], sizeof nullFlag);
        if (nullFlag != 0) {
            values.append(QVariant());
            continue;
        }
        const unsigned char* field = &buffer_[offsets_[i]];
        if (kinds_[i] == Kind::Integer) {
            std::int64_t number = 0;
            std::memcpy(&number, field, sizeof number);
            values.append(QVariant(static_cast<qlonglong>(number)));
        } else {
            std::uint16_t length = 0;
            std::memcpy(&length, field, sizeof length);
            // Never read past the field, whatever the length word says.
            length = static_cast<std::uint16_t>(std::min<unsigned>(length, lengths_[i]));
            const auto* bytes = reinterpret_cast<const char*>(field + sizeof length);
            // A CHAR column is padded with blanks that are no part of the value.
            if (kinds_[i] == Kind::PaddedText) {
                while (length > 0 && bytes[length - 1] == ' ')
                    --length;
            }
            values.append(QVariant(win1250::decode(QByteArray(bytes, length))));
        }
    }
    return values;
}

} // namespace orfa::config
