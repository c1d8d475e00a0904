#pragma once

#include <string>
#include <string_view>

namespace tw {

// A path names an existing file only when it is a file, not a folder.
bool FileExists(const std::string& path);

// Renames a file without ever replacing an existing one (as Windows does);
// false when the target exists or the rename fails.
bool RenameNoReplace(const std::string& from, const std::string& to);

// The file-name part of a setting: the text after its last backslash, colon
// or "/"; empty when it ends in one, and "." or ".." count as empty, so that
// no setting can name a file outside the program folder.
std::string FileNamePart(std::string_view setting);

} // namespace tw
