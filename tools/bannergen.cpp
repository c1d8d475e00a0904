// Writes the built-in banner: a 480 x 60 GIF with a palette of 16 grey levels,
// black, with the word None in white in its middle. Qt reads GIF but cannot
// write it, hence giflib.
#include <gif_lib.h>

#include <array>
#include <cstdio>
#include <vector>

namespace {
constexpr int kWidth = 480;
constexpr int kHeight = 60;
constexpr int kScale = 4;

// 5 x 7 glyphs of the four letters, one string per row, '#' set.
const std::array<const char*, 7> kN = {"#...#", "##..#", "#.#.#", "#.#.#", "#..##", "#...#", "#...#"};
const std::array<const char*, 7> kO = {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."};
const std::array<const char*, 7> kLowN = {".....", ".....", "####.", "#...#", "#...#", "#...#", "#...#"};
const std::array<const char*, 7> kE = {".....", ".....", ".###.", "#...#", "#####", "#....", ".####"};
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bannergen out.gif\n");
        return 2;
    }
    std::vector<GifByteType> pixels(kWidth * kHeight, 0);
    const std::array<const std::array<const char*, 7>*, 4> word = {&kN, &kO, &kLowN, &kE};
    const int glyphW = 5 * kScale, gap = kScale * 2;
    const int textW = 4 * glyphW + 3 * gap, textH = 7 * kScale;
    const int x0 = (kWidth - textW) / 2, y0 = (kHeight - textH) / 2;
    for (int g = 0; g < 4; ++g)
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 5; ++c)
                if ((*word[g])[r][c] == '#')
                    for (int dy = 0; dy < kScale; ++dy)
                        for (int dx = 0; dx < kScale; ++dx)
                            pixels[(y0 + r * kScale + dy) * kWidth + x0 + g * (glyphW + gap) + c * kScale + dx] = 15;

    GifColorType colors[16];
    for (int i = 0; i < 16; ++i)
        colors[i].Red = colors[i].Green = colors[i].Blue = static_cast<GifByteType>(i * 17);
    int error = 0;
    GifFileType* gif = EGifOpenFileName(argv[1], false, &error);
    if (!gif)
        return 1;
    ColorMapObject* map = GifMakeMapObject(16, colors);
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, kWidth, kHeight, 4, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, kWidth, kHeight, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < kHeight; ++y)
        ok = EGifPutLine(gif, &pixels[y * kWidth], kWidth) == GIF_OK;
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK || !ok)
        return 1;
    return 0;
}
