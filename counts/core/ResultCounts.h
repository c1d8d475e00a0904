#pragma once

#include "web/core/Hosts.h"

#include <array>
#include <string>
#include <string_view>

namespace tw {

// One search engine of a result count run: how its address is built and
// where its count stands on its result page.
struct SearchEngine {
    Service service;
    // Follows "http://" and the host; the quoted keyword follows it.
    const char* path;
    // Markers of the cut that only moves the buffer; empty for none.
    const char* positionStart;
    const char* positionEnd;
    // Markers around the count.
    const char* valueStart;
    const char* valueEnd;
    // The table column that receives the count.
    int column;
};

// Google, Yahoo and Msn, in the order every row asks them.
extern const std::array<SearchEngine, 3> kSearchEngines;

// "%22" (a double quote) around a precise search, nothing around a broad one.
std::string QuoteOf(bool precise);

// The keyword with every space made "+"; nothing else changes.
std::string SearchKeyword(std::string_view keyword);

// "http://" + host + path + Q + search keyword + Q.
std::string EngineAddress(const SearchEngine& engine, bool precise, std::string_view keyword);

// The count as it stands on the page, unchanged; empty when the markers
// are missing.
std::string CutCount(const SearchEngine& engine, std::string page);

} // namespace tw
