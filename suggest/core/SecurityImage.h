#pragma once

#include <string>
#include <string_view>

namespace tw {

// What the security image dialog takes from the page: the two hidden values
// the service expects back, and the image's address.
struct SecurityImageFields {
    std::string RandomValue;
    std::string SeedValue;
    std::string ImageUrl;
};

// The three cuts in their order (random, seed, then the first image source
// after them), each continuing where the previous one stopped.
SecurityImageFields ReadSecurityImageFields(const std::string& pageText);

// Every "&amp;" becomes "&" in one pass from left to right; replaced text is
// not searched again, so "&amp;amp;" gives "&amp;".
std::string DecodeAmpersands(std::string_view text);

} // namespace tw
