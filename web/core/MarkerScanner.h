#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tw {

// The scan buffer of an operation that reads one page: the part of the page
// still to be scanned. Cuts move an offset instead of copying the text.
class ScanText {
public:
    ScanText() = default;
    explicit ScanText(std::string text) : text_(std::move(text)) {}

    void Load(std::string text) {
        text_ = std::move(text);
        offset_ = 0;
    }
    std::string_view Remaining() const { return std::string_view(text_).substr(offset_); }
    bool Empty() const { return offset_ >= text_.size(); }

private:
    friend std::string ExtractBetween(ScanText&, std::string_view, std::string_view);
    std::string text_;
    std::size_t offset_ = 0;
};

// Cuts the text between the first start marker and the end marker after it
// (ASCII letters compared without regard to case) and leaves the buffer
// beginning at the end marker. See the implementation for the rules on
// missing markers.
std::string ExtractBetween(ScanText& scan, std::string_view startMarker, std::string_view endMarker);

} // namespace tw
