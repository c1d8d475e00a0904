#include "web/core/Request.h"
#include "web/core/Ascii.h"

#include <cctype>

namespace tw {

namespace {
constexpr char kHex[] = "0123456789ABCDEF";

bool IsUnsafe(unsigned char c) {
    return c < 0x21 || c == 0x7F;
}

// Backslashes become "/" and a "#" ends the address.
std::string Normalize(std::string_view address) {
    std::string s(address.substr(0, address.find('#')));
    for (char& c : s)
        if (c == '\\')
            c = '/';
    return s;
}

std::string EncodeTarget(std::string_view path) {
    std::string out;
    out.reserve(path.size() + 1);
    if (path.empty() || path.front() == '?')
        out.push_back('/');
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsUnsafe(c)) {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 15]);
        } else {
            out.push_back(ch);
        }
    }
    return out;
}

// The scheme of an address ("http" of "http://..."), or empty when it has
// none.
std::string_view SchemeOf(std::string_view s) {
    if (s.empty() || !std::isalpha(static_cast<unsigned char>(s[0])))
        return {};
    for (std::size_t i = 1; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == ':')
            return s.substr(0, i);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return {};
    }
    return {};
}

std::optional<HttpTarget> FromAuthorityAndPath(std::string_view rest) {
    const std::size_t cut = rest.find_first_of("/?");
    std::string_view authority = rest.substr(0, cut);
    const std::string_view path = cut == std::string_view::npos ? std::string_view() : rest.substr(cut);
    if (const auto at = authority.rfind('@'); at != std::string_view::npos)
        authority.remove_prefix(at + 1);

    HttpTarget t;
    std::string_view portText;
    if (!authority.empty() && authority.front() == '[') {
        const auto close = authority.find(']');
        if (close == std::string_view::npos)
            return std::nullopt;
        t.host = std::string(authority.substr(0, close + 1));
        const std::string_view after = authority.substr(close + 1);
        if (!after.empty()) {
            if (after.front() != ':')
                return std::nullopt;
            portText = after.substr(1);
        }
    } else {
        const auto colon = authority.rfind(':');
        t.host = std::string(authority.substr(0, colon));
        if (colon != std::string_view::npos)
            portText = authority.substr(colon + 1);
    }
    if (t.host.empty())
        return std::nullopt;
    for (const char c : t.host)
        if (IsUnsafe(static_cast<unsigned char>(c)))
            return std::nullopt;
    if (!portText.empty()) {
        if (portText.size() > 5)
            return std::nullopt;
        int port = 0;
        for (const char c : portText) {
            if (c < '0' || c > '9')
                return std::nullopt;
            port = port * 10 + (c - '0');
        }
        if (port < 1 || port > 65535)
            return std::nullopt;
        t.port = port;
    }
    t.target = EncodeTarget(path);
    return t;
}
} // namespace

std::string HttpTarget::HostHeader() const {
    return port == 80 ? host : host + ":" + std::to_string(port);
}

std::string HttpTarget::Address() const {
    return "http://" + HostHeader() + target;
}

std::optional<HttpTarget> ParseHttpAddress(std::string_view address) {
    const std::string s = Normalize(address);
    std::string_view rest(s);
    if (const auto sep = rest.find("://"); sep != std::string_view::npos) {
        if (!EqualsNoCase(rest.substr(0, sep), "http"))
            return std::nullopt;
        rest.remove_prefix(sep + 3);
    }
    return FromAuthorityAndPath(rest);
}

std::optional<HttpTarget> ResolveLocation(const HttpTarget& base, std::string_view location) {
    while (!location.empty() && static_cast<unsigned char>(location.front()) <= 0x20)
        location.remove_prefix(1);
    while (!location.empty() && static_cast<unsigned char>(location.back()) <= 0x20)
        location.remove_suffix(1);
    const std::string loc = Normalize(location);
    if (loc.empty())
        return std::nullopt;
    if (const std::string_view scheme = SchemeOf(loc); !scheme.empty()) {
        if (!EqualsNoCase(scheme, "http") || loc.compare(scheme.size(), 3, "://") != 0)
            return std::nullopt;
        return ParseHttpAddress(loc);
    }
    if (loc.rfind("//", 0) == 0)
        return FromAuthorityAndPath(std::string_view(loc).substr(2));

    HttpTarget t = base;
    const std::string_view basePath = std::string_view(base.target).substr(0, base.target.find('?'));
    std::string path;
    if (loc.front() == '/')
        path = loc;
    else if (loc.front() == '?')
        path = std::string(basePath) + loc;
    else
        path = std::string(basePath.substr(0, basePath.rfind('/') + 1)) + loc;
    t.target = EncodeTarget(path);
    return t;
}

std::string BuildRequest(const HttpTarget& target, std::string_view cookieHeader) {
    std::string r;
    r.reserve(200 + target.target.size() + cookieHeader.size());
    r += "GET ";
    r += target.target;
    r += " HTTP/1.1\r\n";
    r += "Content-Type: text/html\r\n";
    r += "Host: ";
    r += target.HostHeader();
    r += "\r\n";
    r += "Accept: text/html, */*\r\n";
    r += "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n";
    if (!cookieHeader.empty()) {
        r += "Cookie: ";
        r += cookieHeader;
        r += "\r\n";
    }
    r += "\r\n";
    return r;
}

} // namespace tw
