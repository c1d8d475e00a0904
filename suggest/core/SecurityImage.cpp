#include "suggest/core/SecurityImage.h"

#include "web/core/MarkerScanner.h"

namespace tw {

SecurityImageFields ReadSecurityImageFields(const std::string& pageText) {
    ScanText scan(pageText);
    SecurityImageFields fields;
    fields.RandomValue = ExtractBetween(scan, "<input type=\"hidden\" name=\"random\" value=\"", "\"");
    fields.SeedValue = ExtractBetween(scan, "<input type=\"hidden\" name=\"seed\" value=\"", "\"");
    fields.ImageUrl = DecodeAmpersands(ExtractBetween(scan, "src=\"", "\""));
    return fields;
}

std::string DecodeAmpersands(std::string_view text) {
    constexpr std::string_view kEntity = "&amp;";
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(kEntity); at != std::string_view::npos; at = text.find(kEntity, from)) {
        out.append(text.substr(from, at - from));
        out += '&';
        from = at + kEntity.size();
    }
    out.append(text.substr(from));
    return out;
}

} // namespace tw
