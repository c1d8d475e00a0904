#include "web/core/MarkerScanner.h"

namespace tw {

namespace {
constexpr unsigned char Upper(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c;
}

// First match of marker in text at or after from, comparing ASCII letters
// without regard to case; npos when none. An empty marker never matches.
std::size_t FindFolded(std::string_view text, std::string_view marker, std::size_t from) {
    if (marker.empty() || marker.size() > text.size())
        return std::string_view::npos;
    const unsigned char first = Upper(static_cast<unsigned char>(marker[0]));
    const std::size_t last = text.size() - marker.size();
    for (std::size_t i = from; i <= last; ++i) {
        if (Upper(static_cast<unsigned char>(text[i])) != first)
            continue;
        std::size_t k = 1;
        while (k < marker.size() &&
               Upper(static_cast<unsigned char>(text[i + k])) == Upper(static_cast<unsigned char>(marker[k])))
            ++k;
        if (k == marker.size())
            return i;
    }
    return std::string_view::npos;
}
} // namespace

std::string ExtractBetween(ScanText& scan, std::string_view startMarker, std::string_view endMarker) {
    const std::string_view text(scan.text_);
    const std::size_t start = FindFolded(text, startMarker, scan.offset_);
    if (start == std::string_view::npos)
        return {};
    // Everything up to and including the start marker is consumed, whether
    // or not the end marker follows.
    const std::size_t valueBegin = start + startMarker.size();
    scan.offset_ = valueBegin;
    const std::size_t end = FindFolded(text, endMarker, valueBegin);
    if (end == std::string_view::npos)
        return {};
    scan.offset_ = end;
    return std::string(text.substr(valueBegin, end - valueBegin));
}

} // namespace tw
