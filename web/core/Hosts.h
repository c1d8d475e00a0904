#pragma once

#include <string>

namespace tw {

// The fixed hosts of the program. Each can be replaced, for tests and local
// use, by an environment variable holding "host" or "host:port".
enum class Service { Google, Yahoo, Msn, Suggest, Affiliate };

// "host" or "host:port", ready to follow "http://".
std::string HostOf(Service service);
// The built-in value, whatever the environment says.
std::string DefaultHostOf(Service service);
// The name of the environment variable that replaces it.
const char* HostVariableOf(Service service);

// Where the link labels point before any branding.
inline constexpr const char* kGoogleHomePage = "http://www.google.com/";

} // namespace tw
