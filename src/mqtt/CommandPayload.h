#pragma once

#include <QByteArray>

#include <optional>

namespace orfa::mqtt {

// Payloads of command topics, read strictly: surrounding blanks are allowed,
// nothing else that is not part of the value.

// "ON" or "OFF", in any case.
std::optional<bool> parseSwitch(const QByteArray& payload);
// A whole number from low to high; "12.0" counts as 12 (Home Assistant sends
// numbers so), "12.5" and "1e1" do not.
std::optional<int> parseWholeNumber(const QByteArray& payload, int low, int high);

} // namespace orfa::mqtt
