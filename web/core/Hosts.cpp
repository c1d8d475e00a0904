#include "web/core/Hosts.h"

#include <cstdlib>

namespace tw {

namespace {
struct HostEntry {
    Service service;
    const char* host;
    const char* variable;
};

constexpr HostEntry kHosts[] = {
    {Service::Google, "www.google.com", "TARNWICK_GOOGLE_HOST"},
    {Service::Yahoo, "search.yahoo.com", "TARNWICK_YAHOO_HOST"},
    {Service::Msn, "search.msn.com", "TARNWICK_MSN_HOST"},
    {Service::Suggest, "www.keywordsuggestiontool.net", "TARNWICK_SUGGEST_HOST"},
    {Service::Affiliate, "www.tarnwick.net", "TARNWICK_AFFILIATE_HOST"},
};

const HostEntry& EntryOf(Service service) {
    for (const auto& e : kHosts)
        if (e.service == service)
            return e;
    return kHosts[0];
}
} // namespace

std::string DefaultHostOf(Service service) {
    return EntryOf(service).host;
}

const char* HostVariableOf(Service service) {
    return EntryOf(service).variable;
}

std::string HostOf(Service service) {
    const char* value = std::getenv(HostVariableOf(service));
    if (value && *value)
        return value;
    return DefaultHostOf(service);
}

} // namespace tw
