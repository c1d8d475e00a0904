#include "tools/demo-service/DemoSite.h"

#include "tools/demo-service/CaptchaImage.h"

#include <algorithm>
#include <cmath>

namespace tw::demo {

namespace {
constexpr std::string_view kSecurityPhrase = "Please enter the characters in the image";
// Letters and digits that cannot be mistaken for one another in the picture.
constexpr std::string_view kImageAlphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
constexpr std::size_t kImageLength = 5;

std::uint64_t Fnv(std::string_view text, std::uint64_t h = 14695981039346656037ull) {
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

// splitmix64's finaliser: spreads every input bit over the result.
std::uint64_t Mix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

// A fraction in [0, 1) drawn from a hash.
double Unit(std::uint64_t h) {
    return static_cast<double>(h >> 11) / static_cast<double>(1ull << 53);
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word.push_back(AsciiLower(c));
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

std::string Join(const std::vector<std::string>& words) {
    std::string out;
    for (const auto& w : words) {
        if (!out.empty())
            out.push_back(' ');
        out += w;
    }
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string Header(std::string_view title) {
    return "<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\"><title>" + HtmlEscape(title) +
           "</title></head>\r\n<body>\r\n";
}
constexpr std::string_view kFooter = "<p><small>Tarnwick demo service: every page and number here is made up "
                                     "on this machine.</small></p>\r\n</body></html>\r\n";

Reply NotFound() {
    Reply r;
    r.status = 404;
    r.body = Header("Not found") + "<h1>Not found</h1>\r\n" + std::string(kFooter);
    return r;
}

// A few made-up result links under the reserved example domains.
std::string ResultLinks(const std::string& keyword, long long count) {
    std::string out;
    const std::string slug = FormEncode(keyword);
    const char* domains[] = {"www.example.com", "www.example.org", "www.example.net"};
    const long long shown = std::min<long long>(count, 5);
    for (long long i = 0; i < shown; ++i) {
        out += "<p class=\"g\"><a href=\"http://" + std::string(domains[i % 3]) + "/" + slug + "/" +
               std::to_string(i + 1) + "\">" + HtmlEscape(keyword) + " - example result " + std::to_string(i + 1) +
               "</a></p>\r\n";
    }
    return out;
}
} // namespace

std::string FormDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out.push_back(' ');
        } else if (c == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            out.push_back(static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2])));
            i += 2;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string FormEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
            c == '_' || c == '~') {
            out.push_back(static_cast<char>(c));
        } else if (c == ' ') {
            out.push_back('+');
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 15]);
        }
    }
    return out;
}

std::map<std::string, std::string> ParseQuery(std::string_view query) {
    std::map<std::string, std::string> values;
    while (!query.empty()) {
        const std::size_t amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
        if (pair.empty())
            continue;
        const std::size_t eq = pair.find('=');
        const std::string name = FormDecode(pair.substr(0, eq));
        const std::string value = eq == std::string_view::npos ? std::string() : FormDecode(pair.substr(eq + 1));
        values.emplace(name, value);
    }
    return values;
}

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

std::string Thousands(long long value) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -value : value);
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        out.push_back(digits[i]);
        const std::size_t left = n - 1 - i;
        if (left > 0 && left % 3 == 0)
            out.push_back(',');
    }
    return negative ? "-" + out : out;
}

std::vector<Suggestion> SuggestionsFor(std::string_view seed) {
    const std::vector<std::string> words = Words(seed);
    if (words.empty())
        return {};
    const std::string base = Join(words);
    static const char* const kPrefixes[] = {"best", "cheap", "buy", "used", "discount", "top", "new", "custom"};
    static const char* const kSuffixes[] = {"for sale",    "reviews", "online", "for beginners", "prices",
                                            "near me",     "deals",   "guide",  "tips",          "comparison",
                                            "accessories", "brands",  "outlet", "store",         "rental"};
    std::vector<std::string> phrases;
    for (const char* p : kPrefixes)
        phrases.push_back(std::string(p) + " " + base);
    for (const char* s : kSuffixes)
        phrases.push_back(base + " " + s);
    if (words.size() > 1)
        for (const auto& w : words)
            phrases.push_back(w + " " + kSuffixes[Fnv(w) % std::size(kSuffixes)]);

    const std::uint64_t seedHash = Mix(Fnv(base));
    const long long top = 8000 + static_cast<long long>(seedHash % 420000);
    std::vector<Suggestion> out{{base, top}};
    for (const auto& phrase : phrases) {
        const std::uint64_t h = Mix(Fnv(phrase) ^ seedHash);
        if (h % 5 == 0) // not every combination is searched for
            continue;
        const double share = 0.01 + 0.6 * Unit(Mix(h)) * Unit(Mix(h + 1));
        out.push_back({phrase, std::max(10LL, static_cast<long long>(top * share))});
    }
    std::stable_sort(out.begin() + 1, out.end(),
                     [](const Suggestion& a, const Suggestion& b) { return a.searches > b.searches; });
    return out;
}

long long ResultCount(std::string_view keyword, Engine engine, bool precise) {
    const std::vector<std::string> words = Words(keyword);
    if (words.empty())
        return 0;
    const std::string normal = Join(words);
    const std::uint64_t h = Mix(Fnv(normal));
    const double n = static_cast<double>(words.size());
    // More words, fewer pages; an engine's index is a share of the largest.
    const double exponent = std::clamp(8.4 - 0.55 * (n - 1) + (Unit(h) - 0.5) * 1.6, 3.0, 9.2);
    double count = std::pow(10.0, exponent);
    const std::uint64_t he = Mix(h ^ (static_cast<std::uint64_t>(engine) + 1) * 0x51ed27ull);
    switch (engine) {
    case Engine::Google:
        count *= 0.9 + 0.15 * Unit(he);
        break;
    case Engine::Yahoo:
        count *= 0.45 + 0.4 * Unit(he);
        break;
    case Engine::Msn:
        count *= 0.2 + 0.3 * Unit(he);
        break;
    }
    if (precise) // an exact phrase matches a share of the pages that hold its words
        count *= words.size() == 1 ? 0.97 : 0.02 + 0.3 * Unit(Mix(he));
    return std::clamp(static_cast<long long>(count), 1LL, 2000000000LL);
}

DemoSite::DemoSite(std::uint64_t secret, std::uint64_t randomSeed) : secret_(secret), random_(randomSeed) {}

std::string DemoSite::AnswerFor(std::string_view random, std::string_view seed) const {
    std::uint64_t h = Mix(secret_ ^ Fnv(seed, Fnv("\n", Fnv(random))));
    std::string answer;
    for (std::size_t i = 0; i < kImageLength; ++i) {
        h = Mix(h);
        answer.push_back(kImageAlphabet[h % kImageAlphabet.size()]);
    }
    return answer;
}

Reply DemoSite::Handle(std::string_view target) {
    const std::size_t mark = target.find('?');
    const std::string_view path = target.substr(0, mark);
    const auto query = ParseQuery(mark == std::string_view::npos ? std::string_view() : target.substr(mark + 1));
    const auto value = [&](const char* name) {
        const auto it = query.find(name);
        return it == query.end() ? std::string() : it->second;
    };

    if (path == "/" && query.count("seed"))
        return SecurityImagePage(value("seed"), false);
    if (path == "/keyword-suggestion-tool.html") {
        std::string typed;
        for (char c : value("password"))
            if (c != ' ')
                typed.push_back(AsciiUpper(c));
        if (!typed.empty() && typed == AnswerFor(value("random"), value("seed")))
            return ResultsPage(value("seed"));
        return SecurityImagePage(value("seed"), true);
    }
    if (path == "/captcha.png")
        return ImageReply(query);
    if (path == "/search" && query.count("q"))
        return SearchPage(Engine::Google, value("q"));
    if (path == "/search" && query.count("p"))
        return SearchPage(Engine::Yahoo, value("p"));
    if (path == "/results.aspx")
        return SearchPage(Engine::Msn, value("q"));
    if (path == "/favicon.ico" || path.empty() || path[0] != '/')
        return NotFound();
    // The affiliate site: "/" followed by the affiliate identifier.
    return AffiliatePage(FormDecode(path.substr(1)));
}

Reply DemoSite::SecurityImagePage(const std::string& seed, bool afterWrongAnswer) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string random;
    std::uint64_t bits = random_();
    for (int i = 0; i < 16; ++i, bits >>= 4)
        random.push_back(kHex[bits & 15]);
    lastAnswer_ = AnswerFor(random, seed);

    const std::string seedValue = FormEncode(seed);
    Reply r;
    r.body = Header("Keyword Suggestion Tool") + "<h1>Keyword Suggestion Tool</h1>\r\n";
    if (afterWrongAnswer)
        r.body += "<p><b>The characters did not match the image. Here is a new one.</b></p>\r\n";
    r.body += "<form action=\"/keyword-suggestion-tool.html\" method=\"get\">\r\n"
              "<p>" +
              std::string(kSecurityPhrase) +
              ":</p>\r\n"
              "<input type=\"hidden\" name=\"random\" value=\"" +
              random +
              "\">\r\n"
              "<input type=\"hidden\" name=\"seed\" value=\"" +
              seedValue +
              "\">\r\n"
              "<img src=\"" +
              origin_ + "/captcha.png?random=" + random + "&amp;seed=" + seedValue + "\" width=\"" +
              std::to_string(kImageWidth) + "\" height=\"" + std::to_string(kImageHeight) +
              "\" alt=\"security image\">\r\n"
              "<p><input type=\"text\" name=\"password\"> <input type=\"submit\" value=\"Go\"></p>\r\n"
              "</form>\r\n" +
              std::string(kFooter);
    return r;
}

Reply DemoSite::ResultsPage(const std::string& seed) const {
    const auto suggestions = SuggestionsFor(seed);
    const std::string title = "Keyword suggestions for " + Join(Words(seed));
    Reply r;
    r.body = Header(title) + "<h1>" + HtmlEscape(title) +
             "</h1>\r\n"
             "<table class=\"suggestions\" border=\"1\" cellpadding=\"3\">\r\n"
             "<thead><tr><th>Searches</th><th>Keyword</th></tr></thead>\r\n"
             "<tfoot><tr><td colspan=\"2\">" +
             std::to_string(suggestions.size()) +
             " suggestions</td></tr></tfoot>\r\n"
             "<tbody>\r\n";
    for (const auto& s : suggestions)
        r.body += "<tr><td>" + Thousands(s.searches) + "</td><td><a href=\"/?seed=" + FormEncode(s.phrase) +
                  "&amp;adult_filter=remove_offensive&amp;suggest=Hit+Me\">" + HtmlEscape(s.phrase) +
                  "</a></td></tr>\r\n";
    r.body += "</tbody>\r\n</table>\r\n" + std::string(kFooter);
    return r;
}

Reply DemoSite::SearchPage(Engine engine, const std::string& query) const {
    // An exact phrase arrives in double quotes (%22); a "#" in the keyword
    // may have cut off the closing one.
    std::string keyword = query;
    const bool precise = !keyword.empty() && keyword.front() == '"';
    if (precise) {
        keyword.erase(0, 1);
        if (!keyword.empty() && keyword.back() == '"')
            keyword.pop_back();
    }
    const long long count = ResultCount(keyword, engine, precise);
    const std::string shown = HtmlEscape(query);
    const std::string total = Thousands(count);
    const std::string last = std::to_string(std::min<long long>(count, 10));
    Reply r;
    switch (engine) {
    case Engine::Google:
        r.body = Header(query + " - Google Search");
        if (count == 0) {
            r.body += "<p>Your search did not match any documents.</p>\r\n";
            break;
        }
        r.body += "<table width=100% border=0 cellpadding=0 cellspacing=0><tr><td bgcolor=#e5ecf9>"
                  "<font size=-1>Results <b>1</b> - <b>" +
                  last + "</b> of about <b>" + total + "</b> for <b>" + shown + "</b>.</font></td></tr></table>\r\n";
        break;
    case Engine::Yahoo:
        r.body = Header(query + " - Yahoo! Search Results");
        if (count == 0) {
            r.body += "<p>We did not find results for: " + shown + "</p>\r\n";
            break;
        }
        r.body += "<div id=\"info\">1 - " + last + " of <span id=\"infototal\">" + total + "</span> for <strong>" +
                  shown + "</strong></div>\r\n";
        break;
    case Engine::Msn:
        r.body = Header(query + " - MSN Search");
        if (count == 0) {
            r.body += "<p>We couldn't find any results containing " + shown + ".</p>\r\n";
            break;
        }
        r.body += "<div id=\"results_area\"><h5><span id=\"count\">1-" + last + " of " + total +
                  "</span> results containing <b>" + shown + "</b></h5></div>\r\n";
        break;
    }
    r.body += ResultLinks(keyword, count) + std::string(kFooter);
    return r;
}

Reply DemoSite::AffiliatePage(const std::string& id) const {
    Reply r;
    r.body = Header("Tarnwick partners") +
             "<h1>Tarnwick partner programme</h1>\r\n"
             "<p>Thank you for your interest. Affiliate: <b>" +
             (id.empty() ? std::string("(none)") : HtmlEscape(id)) + "</b></p>\r\n" + std::string(kFooter);
    return r;
}

Reply DemoSite::ImageReply(const std::map<std::string, std::string>& query) const {
    const auto at = [&](const char* name) {
        const auto it = query.find(name);
        return it == query.end() ? std::string() : it->second;
    };
    const std::string random = at("random");
    const std::string seed = at("seed");
    Reply r;
    r.contentType = "image/png";
    r.body = DrawSecurityImage(AnswerFor(random, seed), Mix(Fnv(random) ^ secret_));
    if (r.body.empty())
        r.status = 500;
    return r;
}

} // namespace tw::demo
