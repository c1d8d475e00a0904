#pragma once

#include <string>
#include <string_view>

namespace tw {

// Replaces find by replacement, searching the whole text again from its front
// after every replacement, so that occurrences formed by a replacement are
// replaced too. The replacement must not contain find.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);

// Turns a short HTML fragment into plain text: a fixed list of literal
// replacements in a fixed order, then the ends trimmed of bytes <= 32.
std::string CleanHtml(std::string_view text);

// Opens an address in the default web browser without waiting for it.
// False when no browser can be found.
bool OpenUrl(const std::string& url);

// The program path of a registered browser command: what stands between its
// first and second double quote; empty with fewer than two.
std::string ProgramPathFromCommand(std::string_view command);

} // namespace tw
