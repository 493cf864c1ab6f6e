#include "config/FbStatus.h"

#include <algorithm>
#include <array>

namespace orfa::config {

FbStatus::FbStatus(Firebird::IMaster* master)
    : wrapper_(master->getStatus()) {}

FbStatus::~FbStatus() {
    wrapper_.dispose();
}

QString FbStatus::errorText(Firebird::IMaster* master, const Firebird::FbException& error) {
    std::array<char, 2048> buffer{};
    const unsigned length = master->getUtilInterface()->formatStatus(
        buffer.data(), static_cast<unsigned>(buffer.size()), error.getStatus());
    const auto size = static_cast<qsizetype>(std::min<std::size_t>(length, buffer.size()));
    QString text = QString::fromLocal8Bit(buffer.data(), size).trimmed();
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

} // namespace orfa::config
