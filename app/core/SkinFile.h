#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// The skin file "dbskin.dat", numbers little-endian:
//   offset 0, 4 bytes: version, signed; a version above kSkinFileVersion is
//                      not ours and the file is ignored
//   offset 4, 4 bytes: length N of the skin data, signed
//   offset 8, N bytes: the skin data, one zlib stream (see SkinData.h)
inline constexpr std::int32_t kSkinFileVersion = 3;

struct SkinFileContent {
    // Set when the file was of a version greater than ours.
    bool ignored = false;
    // The style sheet; none when the stream yields nothing (corrupt, empty,
    // or inflating past the cap), which leaves the current skin.
    std::optional<std::string> styleSheet;
};

// Both throw std::runtime_error for a file that cannot be read: too short
// for its header, a negative length, or a length past the end of the file.
SkinFileContent ParseSkinFile(std::string_view bytes);
SkinFileContent ReadSkinFile(const std::string& path);

// The bytes of a skin file holding the style sheet (what tools/skinpack writes).
std::string MakeSkinFile(std::string_view styleSheet, std::int32_t version = kSkinFileVersion);

} // namespace tw
