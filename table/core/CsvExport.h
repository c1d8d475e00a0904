#pragma once

#include "table/core/KeywordTable.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tw {

// One field: a double quote, the text with every double quote doubled, a
// double quote. Nothing else inside the field changes, so commas and line
// breaks stay as they are and a reader that follows RFC 4180 gets the cell back.
void AppendCsvField(std::string& out, std::string_view text);

// The header line, then one line per row in display order; fields joined by
// one comma, CR LF after every line.
void AppendCsvHeader(std::string& out, const KeywordTable& table);
void AppendCsvRow(std::string& out, const KeywordTable& table, int row);

// Hands the whole file to sink in pieces of about chunkBytes, in order; stops
// and returns false as soon as sink does.
bool WriteCsv(const KeywordTable& table, const std::function<bool(std::string_view)>& sink,
              std::size_t chunkBytes = std::size_t{1} << 20);

// The whole file's bytes.
std::string CsvText(const KeywordTable& table);

// A chosen file name with ".csv" appended unless it already ends in ".csv"
// in any letter case.
std::string WithCsvExtension(std::string_view path);

} // namespace tw
