#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tw {

// An http address taken apart for one request.
struct HttpTarget {
    std::string host;
    int port = 80;
    // Path and query as they go on the request line.
    std::string target;

    // "host" or "host:port" (the port only when it is not 80).
    std::string HostHeader() const;
    // The address again, as far as the next request needs it.
    std::string Address() const;
};

// Takes an address apart as the client sends it: every backslash becomes
// "/", a "#" ends the address, and bytes below 0x21 and 0x7F in the path and
// query are percent-encoded so that nothing can split the request. An
// address without "scheme://" is taken as http. Nothing when the address is
// not plain http or its host or port is unusable.
std::optional<HttpTarget> ParseHttpAddress(std::string_view address);

// Resolves a redirect's Location against the address it came from: an
// absolute http address, "//host/path", "/path", "?query" or a path relative
// to the current folder. Nothing when it names another scheme.
std::optional<HttpTarget> ResolveLocation(const HttpTarget& base, std::string_view location);

// The request bytes exactly: request line, then Content-Type, Host, Accept,
// User-Agent and Cookie (only when cookieHeader is not empty).
std::string BuildRequest(const HttpTarget& target, std::string_view cookieHeader);

} // namespace tw
