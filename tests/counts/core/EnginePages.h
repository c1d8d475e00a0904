#pragma once

#include <string>

namespace tw::test {

// Result pages as the engines show a count.
inline std::string GooglePage(const std::string& count) {
    return "<html><font size=-1>Results <b>1</b> - <b>10</b> of about <b>" + count + "</b> for golf</font>";
}
inline std::string YahooPage(const std::string& count) {
    return "<html><span id=\"infototal\">" + count + "</span>";
}
inline std::string MsnPage(const std::string& count) {
    return "<html><span id=\"count\">1-10 of " + count + "</span>";
}

} // namespace tw::test
