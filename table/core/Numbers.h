#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tw {

// Text to a signed 32-bit integer: leading spaces, an optional sign, then
// decimal digits or a hexadecimal number after "$", "x", "X", "0x" or "0X",
// digits running to the end of the text. Decimals must fit 32 bits; at most
// 8 significant hexadecimal digits, read as two's complement.
std::optional<std::int32_t> TextToInt32(std::string_view text);

// A count cell's value for sorting: every comma removed, then converted;
// a text that does not convert counts as 0.
std::int32_t CountValue(std::string_view text);

// -1, 0 or 1 by CountValue.
int CompareNumbers(std::string_view a, std::string_view b);

} // namespace tw
