#include "suggest/core/Suggestions.h"

#include "web/core/Ascii.h"
#include "web/core/MarkerScanner.h"
#include "web/core/UUtils.h"

#include <vector>

namespace tw {

namespace {
constexpr std::string_view kFooterEnd = "</tfoot>";
constexpr std::string_view kRowStart = "<tr><td>";
constexpr std::string_view kCellEnd = "</td>";
constexpr std::string_view kLinkTextStart = "\">";
constexpr std::string_view kLinkEnd = "</a>";

bool StartsWithFolded(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// The phrase cut of every row, remembering what a cut has shown to be missing
// from the rest of the page. The buffer only ever loses text from its front,
// so a marker missing now stays missing; without this, a page whose links
// stop (or never close) would be searched to its end once per row.
class PhraseCutter {
public:
    std::string Cut(ScanText& scan) {
        if (noLinkLeft_)
            return {};
        if (noLinkEndLeft_) {
            // The end marker cannot match: the cut only consumes up to and
            // including the next start marker, which an empty end marker
            // (never matching) reproduces without searching to the end.
            ExtractBetween(scan, kLinkTextStart, {});
            return {};
        }
        const std::size_t before = scan.Remaining().size();
        std::string phrase = ExtractBetween(scan, kLinkTextStart, kLinkEnd);
        if (phrase.empty()) {
            if (scan.Remaining().size() == before)
                noLinkLeft_ = true;
            else if (!StartsWithFolded(scan.Remaining(), kLinkEnd))
                noLinkEndLeft_ = true;
        }
        return phrase;
    }

private:
    bool noLinkLeft_ = false;
    bool noLinkEndLeft_ = false;
};

std::string NextCount(ScanText& scan) {
    return CleanHtml(ExtractBetween(scan, kRowStart, kCellEnd));
}
} // namespace

std::string SuggestionRequestAddress(std::string_view host, std::string_view mainKeyword) {
    std::string address = "http://";
    address += host;
    address += "/?seed=";
    for (char c : mainKeyword)
        address += c == ' ' ? '+' : c;
    address += "&adult_filter=remove_offensive&suggest=Hit+Me";
    return address;
}

std::string AnswerRequestAddress(std::string_view host, std::string_view password, std::string_view random,
                                 std::string_view seed) {
    std::string address = "http://";
    address += host;
    address += "/keyword-suggestion-tool.html?password=";
    address += password;
    address += "&random=";
    address += random;
    address += "&seed=";
    address += seed;
    return address;
}

bool IsSecurityImagePage(std::string_view page) {
    return page.find(kSecurityImagePhrase) != std::string_view::npos;
}

void ParseSuggestions(const std::string& page, KeywordTable& table) {
    if (page.find(kFooterEnd) == std::string::npos)
        return;
    ScanText scan(page);
    // Only positions the buffer: rows are looked for from the first ">"
    // after the footer's closing tag on.
    ExtractBetween(scan, kFooterEnd, ">");

    PhraseCutter phrases;
    std::vector<KeywordRow> rows;
    long long number = static_cast<long long>(table.RowCount()) + 1;
    for (std::string count = NextCount(scan); !count.empty(); count = NextCount(scan)) {
        const std::string phrase = CleanHtml(phrases.Cut(scan));
        rows.push_back(KeywordTable::MakeRow(number++, phrase, count));
    }
    if (rows.empty())
        return;
    table.AppendRows(std::move(rows));
    table.UpdateRowCount(rcItemsListed);
}

} // namespace tw
