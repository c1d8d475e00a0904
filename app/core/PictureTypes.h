#pragma once

#include <string>
#include <string_view>

namespace tw {

// The picture types a banner file may have, chosen by its extension.
enum class PictureType { Bitmap, Icon, Metafile, EnhancedMetafile, Gif, Jpeg, ByContent };

// The extension of a file name: the text after its last ".", empty without one.
std::string ExtensionOf(std::string_view fileName);

// The type for a file name, without regard to letter case; a name without an
// extension is told by its content. Any other extension throws
// std::runtime_error "Unknown picture file extension (.<ext>)".
PictureType PictureTypeOf(std::string_view fileName);

} // namespace tw
