#pragma once

#include "table/core/KeywordTable.h"

#include <optional>
#include <string>

namespace tw {

struct SaveOutcome {
    bool ok = false;
    std::string error; // why it could not be saved
};

// Writes the table as a CSV file at path, replacing any file of that name.
// The file is written beside its final name and moved into place only once
// complete, so a failure never leaves a short file instead of an old one;
// only where the folder cannot hold that temporary file but the existing
// file can be written is it written in place.
SaveOutcome SaveResultsFile(const KeywordTable& table, const std::string& path);

std::string SaveFailedMessage(const std::string& path, const std::string& reason);

// Tests make the file layer fail part way: writes beyond this many bytes fail
// as on a full disk. Nothing set, writes go through.
class ResultsFileSeam {
public:
    static void FailWritesAfter(std::optional<long long> bytes);
};

} // namespace tw
