#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// An INI file read the way the Windows profile functions read one, which is
// how resellers write the branding settings:
// - section and key names match without regard to (ASCII) letter case;
// - a missing file, section or key reads as the default (empty);
// - white space around names and values is dropped;
// - one pair of enclosing double or single quotes is removed from a value;
// - at most 2047 characters of a value are read;
// - lines starting with ";" are comments; "#" has no meaning;
// - a key given twice: the first one counts;
// - a section given twice: only the first one is searched;
// - a line without "=" names a key without a value, which reads as empty
//   (and, being first, hides a later line giving that key a value);
// - a line starting with "[" but without a closing "]" is no section header;
// - a UTF-8 byte order mark at the start is skipped;
// - a value ends at a NUL byte, as a C string does.
class IniFile {
public:
    static constexpr std::size_t kMaxValueLength = 2047;

    static IniFile Parse(std::string_view text);
    // An unreadable file reads as an empty one, as the profile functions do.
    static IniFile Load(const std::string& path);

    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback = {}) const;

private:
    struct Key {
        std::string name;
        std::string value;
        bool hasValue = false;
    };
    struct Section {
        std::string name;
        std::vector<Key> keys;
    };
    std::vector<Section> sections_;
};

} // namespace tw
