#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// A skin is a Qt style sheet; skin data is that style sheet compressed as one
// zlib stream.
inline constexpr std::size_t kSkinInflateCap = 16u * 1024u * 1024u;

std::string CompressSkin(std::string_view styleSheet);
// The style sheet, or nothing when the data is no complete zlib stream or
// inflates past the cap.
std::optional<std::string> InflateSkin(std::string_view data, std::size_t cap = kSkinInflateCap);

// The built-in skin and the names it is recorded with.
struct BuiltInSkinInfo {
    static constexpr const char* kName = "Modern";
    static constexpr const char* kCompressedFileName = "Modern.skn";
    static constexpr const char* kSkinFileName = "dbskin.skn";
};

} // namespace tw
