#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tw::demo {

inline constexpr int kImageWidth = 200;
inline constexpr int kImageHeight = 70;

// A PNG of the characters, tilted and crossed by lines so that they take a
// look to read; noise picks the tilt, colours and lines. Empty on failure.
// Needs a QGuiApplication for the font.
std::string DrawSecurityImage(std::string_view characters, std::uint64_t noise);

} // namespace tw::demo
