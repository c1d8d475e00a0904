#include "table/ResultsFile.h"

#include "app/ui/QtText.h"
#include "table/core/CsvExport.h"

#include <QSaveFile>

namespace tw {

namespace {
std::optional<long long> gFailAfter;
constexpr const char* kDiskFull = "No space left on device";
} // namespace

void ResultsFileSeam::FailWritesAfter(std::optional<long long> bytes) {
    gFailAfter = bytes;
}

SaveOutcome SaveResultsFile(const KeywordTable& table, const std::string& path) {
    SaveOutcome outcome;
    QSaveFile file(ToQ(path));
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        outcome.error = FromQ(file.errorString());
        return outcome;
    }
    long long written = 0;
    const bool complete = WriteCsv(table, [&](std::string_view piece) {
        auto size = static_cast<long long>(piece.size());
        const bool fail = gFailAfter && written + size > *gFailAfter;
        if (fail)
            size = *gFailAfter - written;
        if (file.write(piece.data(), size) != size) {
            outcome.error = FromQ(file.errorString());
            return false;
        }
        written += size;
        if (fail) {
            outcome.error = kDiskFull;
            return false;
        }
        return true;
    });
    if (!complete) {
        file.cancelWriting();
        return outcome;
    }
    if (!file.commit()) {
        outcome.error = FromQ(file.errorString());
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}

std::string SaveFailedMessage(const std::string& path, const std::string& reason) {
    return "The file \"" + path + "\" could not be saved: " + reason;
}

} // namespace tw
