#include "app/core/PictureTypes.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tw {
namespace {

TEST(PictureTypes, ByExtensionWithoutRegardToCase) {
    const struct {
        const char* name;
        PictureType type;
    } cases[] = {
        {"a.bmp", PictureType::Bitmap},
        {"A.BMP", PictureType::Bitmap},
        {"a.ico", PictureType::Icon},
        {"a.wmf", PictureType::Metafile},
        {"a.EMF", PictureType::EnhancedMetafile},
        {"Top.GIF", PictureType::Gif},
        {"a.jpg", PictureType::Jpeg},
        {"a.JpEg", PictureType::Jpeg},
        {"banner", PictureType::ByContent},
        {"banner.", PictureType::ByContent},
        {"", PictureType::ByContent},
        {"a.tar.gif", PictureType::Gif},
        {".gif", PictureType::Gif},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PictureTypeOf(c.name), c.type) << c.name;
}

TEST(PictureTypes, OtherExtensionsFailWithTheExtension) {
    const struct {
        const char* name;
        const char* text;
    } cases[] = {
        {"banner.png", "Unknown picture file extension (.png)"},
        {"banner.PNG", "Unknown picture file extension (.png)"},
        {"banner.gif.dat", "Unknown picture file extension (.dat)"},
        {"a.jpe", "Unknown picture file extension (.jpe)"},
    };
    for (const auto& c : cases) {
        try {
            PictureTypeOf(c.name);
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), c.text);
        }
    }
}

} // namespace
} // namespace tw
