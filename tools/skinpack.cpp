// Packs a Qt style sheet into skin data. With --raw it writes the bare zlib
// stream (the built-in skin); otherwise a skin file that the program loads
// from "dbskin.dat": version, length, then the stream, little-endian.
#include "app/core/SkinData.h"
#include "app/core/SkinFile.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

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
    if (css.size() > tw::kSkinInflateCap) {
        std::fprintf(stderr, "skinpack: %s is larger than the program reads (16 MB)\n", argv[raw ? 2 : 1]);
        return 1;
    }
    const std::string out = raw ? tw::CompressSkin(css) : tw::MakeSkinFile(css);
    std::ofstream file(argv[raw ? 3 : 2], std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return file ? 0 : 1;
}
