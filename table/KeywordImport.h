#pragma once

#include "table/core/KeywordTable.h"

#include <string>

namespace tw {

// A path names an existing file only when it is a file, not a folder; a
// relative path is taken from the current folder.
bool IsExistingFile(const std::string& path);

struct FileBytes {
    bool ok = false;
    std::string bytes;
    std::string error; // why it could not be read
};
// The whole file, or why not.
FileBytes ReadWholeFile(const std::string& path);

struct ImportOutcome {
    enum Status { NoFile, Unreadable, Imported } status = NoFile;
    std::string error;
    int lines = 0;
};

// Replaces the table's rows by the lines of a list file, numbered on from the
// rows it had before. The file is read whole first, so that a file that cannot
// be read leaves the table as it was.
ImportOutcome ImportKeywordList(KeywordTable& table, const std::string& path);

std::string UnreadableFileMessage(const std::string& path, const std::string& reason);

} // namespace tw
