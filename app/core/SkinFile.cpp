#include "app/core/SkinFile.h"

#include "app/core/SkinData.h"

#include <fstream>
#include <stdexcept>

namespace tw {

namespace {
constexpr std::size_t kHeaderSize = 8;

std::int32_t GetLe32(std::string_view bytes, std::size_t at) {
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i)
        u = (u << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(u);
}

void PutLe32(std::string& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((u >> (8 * i)) & 0xff));
}

[[noreturn]] void Unreadable(const std::string& why) {
    throw std::runtime_error("The skin file cannot be read: " + why);
}

SkinFileContent Decode(std::string_view header, std::string_view data) {
    SkinFileContent content;
    if (GetLe32(header, 0) > kSkinFileVersion) {
        content.ignored = true;
        return content;
    }
    if (auto css = InflateSkin(data); css && !css->empty())
        content.styleSheet = std::move(*css);
    return content;
}

// The length field checked against what follows the header.
std::size_t DataLength(std::string_view header, std::uint64_t available) {
    const std::int32_t n = GetLe32(header, 4);
    if (n < 0)
        Unreadable("its data length is negative");
    if (static_cast<std::uint64_t>(n) > available)
        Unreadable("its data length runs past the end of the file");
    return static_cast<std::size_t>(n);
}
} // namespace

SkinFileContent ParseSkinFile(std::string_view bytes) {
    if (bytes.size() < 4)
        Unreadable("it ends inside its header");
    if (GetLe32(bytes, 0) > kSkinFileVersion)
        return Decode(bytes, {});
    if (bytes.size() < kHeaderSize)
        Unreadable("it ends inside its header");
    const std::size_t n = DataLength(bytes, bytes.size() - kHeaderSize);
    return Decode(bytes, bytes.substr(kHeaderSize, n));
}

SkinFileContent ReadSkinFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        Unreadable("it cannot be opened");
    const std::streamoff size = in.tellg();
    in.seekg(0);
    // Read the header first: a hostile length must not decide how much is
    // read, only the file's real size does.
    std::string header(kHeaderSize, '\0');
    in.read(header.data(), static_cast<std::streamsize>(header.size()));
    header.resize(static_cast<std::size_t>(in.gcount()));
    if (header.size() < kHeaderSize || GetLe32(header, 0) > kSkinFileVersion)
        return ParseSkinFile(header); // too short, or not ours
    const std::size_t n = DataLength(header, static_cast<std::uint64_t>(size) - kHeaderSize);
    std::string data(n, '\0');
    in.read(data.data(), static_cast<std::streamsize>(n));
    if (static_cast<std::size_t>(in.gcount()) != n)
        Unreadable("it ends before its data");
    return Decode(header, data);
}

std::string MakeSkinFile(std::string_view styleSheet, std::int32_t version) {
    const std::string stream = CompressSkin(styleSheet);
    std::string out;
    PutLe32(out, version);
    PutLe32(out, static_cast<std::int32_t>(stream.size()));
    return out + stream;
}

} // namespace tw
