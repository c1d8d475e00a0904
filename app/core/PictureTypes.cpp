#include "app/core/PictureTypes.h"

#include <stdexcept>

namespace tw {

namespace {
struct TypeEntry {
    const char* extension;
    PictureType type;
};

constexpr TypeEntry kTypes[] = {
    {"bmp", PictureType::Bitmap},   {"ico", PictureType::Icon},
    {"wmf", PictureType::Metafile}, {"emf", PictureType::EnhancedMetafile},
    {"gif", PictureType::Gif},      {"jpg", PictureType::Jpeg},
    {"jpeg", PictureType::Jpeg},
};

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}
} // namespace

std::string ExtensionOf(std::string_view fileName) {
    const auto dot = fileName.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(fileName.substr(dot + 1));
}

PictureType PictureTypeOf(std::string_view fileName) {
    const std::string extension = ExtensionOf(fileName);
    if (extension.empty())
        return PictureType::ByContent;
    const std::string lower = Lower(extension);
    for (const auto& entry : kTypes)
        if (lower == entry.extension)
            return entry.type;
    throw std::runtime_error("Unknown picture file extension (." + lower + ")");
}

} // namespace tw
