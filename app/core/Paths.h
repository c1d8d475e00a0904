#pragma once

#include <string>
#include <string_view>

namespace tw {

// The program folder: the folder part of the program's own path, with its
// trailing separator. Every branding file and the download file lie there.
std::string ProgramFolder();
// Tests point the program folder at a fixture folder.
void SetProgramFolderForTesting(std::string folder);

// The folder part of a path, up to and including its last separator.
std::string FolderPart(std::string_view path);

} // namespace tw
