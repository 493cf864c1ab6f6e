#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

namespace orfa::link {

// A radio frequency as the amplifier holds it: whole megahertz and
// hundredths of a megahertz. Hundredths are 0..99 when the amplifier sends
// them, but a typed 99.999 gives 100 (rounded hundredths are not carried).
struct RadioFrequency {
    std::uint8_t mhz = 0;
    std::uint8_t hundredths = 0;
    friend bool operator==(const RadioFrequency&, const RadioFrequency&) = default;
};

// Frequencies of 128 MHz and more are refused when typed.
inline constexpr int kFrequencyMhzLimit = 128;

enum class FrequencyError {
    None,
    NotANumber, // empty, stray characters, more than one '.', a sign
    OutOfRange, // negative, or 128 MHz and more
};

struct ParsedFrequency {
    RadioFrequency frequency;
    FrequencyError error = FrequencyError::None;
    bool ok() const { return error == FrequencyError::None; }
};

// mhz + hundredths / 100 as the shortest decimal text: "104.5", "98",
// "87.05", "100" for 99 and 100. Always '.' as separator, whatever the locale.
QString frequencyText(RadioFrequency frequency);

// Parses a typed frequency: digits with at most one '.', surrounding spaces
// allowed. The whole megahertz is the integer part; the hundredths are the
// fraction times 100 rounded half to even, computed on the decimal digits
// themselves (no binary floating point): "87.125" -> 87, 12; "99.999" ->
// 99, 100. A leading '-' is refused as out of range, other signs and
// exponents as not a number.
ParsedFrequency parseFrequency(QStringView text);

} // namespace orfa::link
