#include "counts/core/ResultCounts.h"

#include "web/core/MarkerScanner.h"

namespace tw {

const std::array<SearchEngine, 3> kSearchEngines = {{
    {Service::Google, "/search?q=", "<font size=-1>Results", "of about <b>", "of about <b>", "</b>", 3},
    {Service::Yahoo, "/search?p=", "", "", "<span id=\"infototal\">", "</span>", 4},
    {Service::Msn, "/results.aspx?q=", "<span id=\"count\">", " of ", " of ", "</span>", 5},
}};

std::string QuoteOf(bool precise) {
    return precise ? "%22" : "";
}

std::string SearchKeyword(std::string_view keyword) {
    std::string out(keyword);
    for (char& c : out)
        if (c == ' ')
            c = '+';
    return out;
}

std::string EngineAddress(const SearchEngine& engine, bool precise, std::string_view keyword) {
    const std::string q = QuoteOf(precise);
    return "http://" + HostOf(engine.service) + engine.path + q + SearchKeyword(keyword) + q;
}

std::string CutCount(const SearchEngine& engine, std::string page) {
    ScanText scan(std::move(page));
    // A missing positioning marker leaves the buffer as it was, so the value
    // is then cut after the first value marker of the page.
    if (*engine.positionStart)
        ExtractBetween(scan, engine.positionStart, engine.positionEnd);
    return ExtractBetween(scan, engine.valueStart, engine.valueEnd);
}

} // namespace tw
