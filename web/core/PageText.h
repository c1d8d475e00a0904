#pragma once

#include <string>
#include <string_view>

namespace tw {

// The page text of a downloaded body: the first NUL byte and everything after
// it dropped, the rest cut into lines at CR, LF or CR LF, and every line
// followed by CR LF, the last one included.
std::string PageTextFromBody(std::string_view body);

} // namespace tw
