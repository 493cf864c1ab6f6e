#pragma once

#include <QStringView>

#include <optional>

// Number forms of the settings file. Both functions expect a value already stripped of
// surrounding blanks and accept nothing else around the number.
namespace orfa::config::IniNumber {

// A decimal 32-bit integer: optional '+' or '-', then at least one digit. Anything else,
// or a value outside the 32-bit range, is not a number.
std::optional<qint32> parseDecimal(QStringView text);

// The integer form of the file: a value longer than two characters starting with "0x" or
// "0X" is hexadecimal (up to 32 bits, taken as two's complement, so "0xFFFFFFFF" is -1);
// any other value is decimal as parseDecimal() reads it.
std::optional<qint32> parseInteger(QStringView text);

} // namespace orfa::config::IniNumber
