#include "table/core/Numbers.h"

#include <string>

namespace tw {

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::uint32_t> ReadHex(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    int significant = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0)
            return std::nullopt;
        if (significant > 0 || d != 0)
            ++significant;
        if (significant > 8)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(d);
    }
    return value;
}
} // namespace

std::optional<std::int32_t> TextToInt32(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::string_view rest = text.substr(i);

    std::size_t hexStart = std::string_view::npos;
    if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X'))
        hexStart = 1;
    else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X'))
        hexStart = 2;
    if (hexStart != std::string_view::npos) {
        const auto bits = ReadHex(rest.substr(hexStart));
        if (!bits)
            return std::nullopt;
        // Negation wraps within 32 bits, as the two's-complement pattern does.
        const std::uint32_t pattern = negative ? 0u - *bits : *bits;
        return static_cast<std::int32_t>(pattern);
    }

    if (rest.empty())
        return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (char c : rest) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t CountValue(std::string_view text) {
    if (text.find(',') == std::string_view::npos)
        return TextToInt32(text).value_or(0);
    // Counts are short: remove the commas on the stack, not in a new string.
    char buffer[64];
    std::string heap;
    char* out = buffer;
    if (text.size() > sizeof buffer) {
        heap.resize(text.size());
        out = heap.data();
    }
    std::size_t n = 0;
    for (char c : text)
        if (c != ',')
            out[n++] = c;
    return TextToInt32(std::string_view(out, n)).value_or(0);
}

int CompareNumbers(std::string_view a, std::string_view b) {
    const std::int32_t x = CountValue(a);
    const std::int32_t y = CountValue(b);
    return x > y ? 1 : (x < y ? -1 : 0);
}

} // namespace tw
