#include "app/core/IniFile.h"

#include <fstream>
#include <iterator>

namespace tw {

namespace {
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}
} // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    // Lines before the first header belong to a section without a name.
    ini.sections_.push_back({});
    while (!text.empty()) {
        // CR LF, LF and a lone CR all end a line (CR LF leaves an empty one).
        const auto end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        line = Trim(line);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const auto close = line.rfind(']');
            if (close != std::string_view::npos) {
                ini.sections_.push_back({std::string(Trim(line.substr(1, close - 1))), {}});
                continue;
            }
            // No closing bracket: read on as a key line.
        }
        Key key;
        const auto eq = line.find('=');
        key.name = std::string(Trim(line.substr(0, eq)));
        if (eq != std::string_view::npos) {
            std::string_view value = line.substr(eq + 1);
            key.value = std::string(Trim(value.substr(0, value.find('\0'))));
            key.hasValue = true;
        }
        ini.sections_.back().keys.push_back(std::move(key));
    }
    return ini;
}

IniFile IniFile::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return Parse(text);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
    section = Trim(section);
    key = Trim(key);
    for (const Section& s : sections_) {
        if (!SameName(s.name, section))
            continue;
        for (const Key& k : s.keys) {
            if (!SameName(k.name, key))
                continue;
            if (!k.hasValue)
                break;
            std::string_view value = k.value;
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            return std::string(value.substr(0, kMaxValueLength));
        }
        break; // only the first section of that name is searched
    }
    return std::string(fallback.substr(0, kMaxValueLength));
}

} // namespace tw
