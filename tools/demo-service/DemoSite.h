#pragma once

// The pages of the local demo service: the keyword suggestion service with
// its security image, the three search engines and the affiliate site, all
// answered by one server on 127.0.0.1 so that the program can be tried
// without internet. Pages are built as byte strings; only the security
// image needs Qt (CaptchaImage.h).

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace tw::demo {

struct Reply {
    int status = 200;
    std::string contentType = "text/html; charset=utf-8";
    std::string body;
};

// Query values: "+" and %XX decode; a malformed escape stays as it is.
std::string FormDecode(std::string_view text);
// The inverse for values the service puts into its own addresses: spaces
// become "+", letters, digits and "-._~" stay, everything else is %XX. The
// result never holds a double quote, "&", "<", ">" or "#".
std::string FormEncode(std::string_view text);
// name -> decoded value; the first occurrence of a name wins.
std::map<std::string, std::string> ParseQuery(std::string_view query);
std::string HtmlEscape(std::string_view text);
// 1234567 -> "1,234,567".
std::string Thousands(long long value);

enum class Engine { Google, Yahoo, Msn };

struct Suggestion {
    std::string phrase;
    long long searches = 0;
};
// Related phrases, most searched first; the same seed always gives the same
// list. A seed without words gives none.
std::vector<Suggestion> SuggestionsFor(std::string_view seed);

// The number of results an engine reports for a keyword: the same for the
// same words (case and extra spaces aside), smaller for an exact phrase than
// for loose words, and small enough to sort as a 32-bit number. 0 for a
// keyword without words.
long long ResultCount(std::string_view keyword, Engine engine, bool precise);

class DemoSite {
public:
    // secret keys the security image answers, so that nothing needs to be
    // remembered between requests; randomSeed feeds the random values.
    DemoSite(std::uint64_t secret, std::uint64_t randomSeed);

    // Where the security image is fetched from: "http://127.0.0.1:PORT".
    void SetOrigin(std::string origin) { origin_ = std::move(origin); }

    // target: the request target as sent, "/path?query".
    Reply Handle(std::string_view target);

    // The characters that the security image of (random, seed) shows.
    std::string AnswerFor(std::string_view random, std::string_view seed) const;

    // The answer of the last security image page handed out (for --verbose).
    const std::string& LastAnswer() const { return lastAnswer_; }

private:
    Reply SecurityImagePage(const std::string& seed, bool afterWrongAnswer);
    Reply ResultsPage(const std::string& seed) const;
    Reply SearchPage(Engine engine, const std::string& query) const;
    Reply AffiliatePage(const std::string& id) const;
    Reply ImageReply(const std::map<std::string, std::string>& query) const;

    std::uint64_t secret_;
    std::mt19937_64 random_;
    std::string origin_ = "http://127.0.0.1";
    std::string lastAnswer_;
};

} // namespace tw::demo
