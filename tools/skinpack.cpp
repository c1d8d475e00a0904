// Packs a Qt style sheet into skin data. With --raw it writes the bare zlib
// stream (the built-in skin); otherwise a skin file that the program loads
// from "dbskin.dat": version, length, then the stream, little-endian.
#include "app/core/SkinData.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {
void PutLe32(std::string& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((u >> (8 * i)) & 0xff));
}
} // namespace

int main(int argc, char** argv) {
    const bool raw = argc == 4 && std::strcmp(argv[1], "--raw") == 0;
    if (!(argc == 3 || raw)) {
        std::fprintf(stderr, "usage: skinpack [--raw] style.qss dbskin.dat\n");
        return 2;
    }
    std::ifstream in(argv[raw ? 2 : 1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "skinpack: cannot read %s\n", argv[raw ? 2 : 1]);
        return 1;
    }
    const std::string css((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string stream = tw::CompressSkin(css);
    std::string out;
    if (!raw) {
        PutLe32(out, 3);
        PutLe32(out, static_cast<std::int32_t>(stream.size()));
    }
    out += stream;
    std::ofstream file(argv[raw ? 3 : 2], std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return file ? 0 : 1;
}
