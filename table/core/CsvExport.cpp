#include "table/core/CsvExport.h"

namespace tw {

void AppendCsvField(std::string& out, std::string_view text) {
    out.push_back('"');
    for (;;) {
        const auto quote = text.find('"');
        if (quote == std::string_view::npos)
            break;
        out.append(text.substr(0, quote + 1));
        out.push_back('"');
        text.remove_prefix(quote + 1);
    }
    out.append(text);
    out.push_back('"');
}

void AppendCsvHeader(std::string& out, const KeywordTable& table) {
    for (int c = 0; c < table.ColumnCount(); ++c) {
        if (c > 0)
            out.push_back(',');
        AppendCsvField(out, KeywordTable::ColumnCaption(c));
    }
    out.append("\r\n");
}

void AppendCsvRow(std::string& out, const KeywordTable& table, int row) {
    const KeywordRow& r = table.Row(row);
    for (int c = 0; c < table.ColumnCount(); ++c) {
        if (c > 0)
            out.push_back(',');
        AppendCsvField(out, r.Cell(c));
    }
    out.append("\r\n");
}

bool WriteCsv(const KeywordTable& table, const std::function<bool(std::string_view)>& sink, std::size_t chunkBytes) {
    std::string chunk;
    chunk.reserve(chunkBytes + 256);
    AppendCsvHeader(chunk, table);
    for (int row = 0; row < table.RowCount(); ++row) {
        AppendCsvRow(chunk, table, row);
        if (chunk.size() >= chunkBytes) {
            if (!sink(chunk))
                return false;
            chunk.clear();
        }
    }
    return chunk.empty() || sink(chunk);
}

std::string CsvText(const KeywordTable& table) {
    std::string all;
    WriteCsv(table, [&all](std::string_view piece) {
        all.append(piece);
        return true;
    });
    return all;
}

std::string WithCsvExtension(std::string_view path) {
    std::string result(path);
    constexpr std::string_view ext = ".csv";
    bool hasExt = path.size() >= ext.size();
    for (std::size_t i = 0; hasExt && i < ext.size(); ++i) {
        char c = path[path.size() - ext.size() + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        hasExt = c == ext[i];
    }
    if (!hasExt)
        result.append(ext);
    return result;
}

} // namespace tw
