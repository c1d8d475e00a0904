#include "table/KeywordImport.h"

#include "app/ui/QtText.h"
#include "table/core/KeywordList.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace tw {

bool IsExistingFile(const std::string& path) {
    if (path.empty())
        return false;
    const QFileInfo info(ToQ(path));
    return info.exists() && info.isFile();
}

FileBytes ReadWholeFile(const std::string& path) {
    FileBytes result;
    QFile file(ToQ(path));
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = FromQ(file.errorString());
        return result;
    }
    // Some files report no size (those under /proc), so read until the end
    // rather than trusting it.
    std::string& bytes = result.bytes;
    bytes.resize(static_cast<std::size_t>(std::max<qint64>(file.size(), 0)) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2);
        const qint64 n = file.read(bytes.data() + used, static_cast<qint64>(bytes.size() - used));
        if (n < 0) {
            result.error = FromQ(file.errorString());
            bytes.clear();
            return result;
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    bytes.resize(used);
    result.ok = true;
    return result;
}

ImportOutcome ImportKeywordList(KeywordTable& table, const std::string& path) {
    ImportOutcome outcome;
    if (!IsExistingFile(path))
        return outcome;
    const long long before = table.RowCount();
    const FileBytes file = ReadWholeFile(path);
    if (!file.ok) {
        outcome.status = ImportOutcome::Unreadable;
        outcome.error = file.error;
        return outcome;
    }
    const auto lines = KeywordLines(file.bytes);
    table.ReplaceRows(ImportRows(lines, before + 1));
    outcome.status = ImportOutcome::Imported;
    outcome.lines = static_cast<int>(lines.size());
    return outcome;
}

std::string UnreadableFileMessage(const std::string& path, const std::string& reason) {
    return "The file \"" + path + "\" could not be read: " + reason;
}

} // namespace tw
