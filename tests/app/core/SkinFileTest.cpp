#include "app/core/SkinFile.h"
#include "app/core/SkinData.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace tw {
namespace {

std::string Le32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return {static_cast<char>(u & 0xff), static_cast<char>((u >> 8) & 0xff), static_cast<char>((u >> 16) & 0xff),
            static_cast<char>((u >> 24) & 0xff)};
}

std::string Header(std::int32_t version, std::int32_t length) {
    return Le32(version) + Le32(length);
}

const std::string kCss = "QWidget { background: #123456; }";

TEST(SkinFile, RoundTripsWhatSkinpackWrites) {
    const std::string file = MakeSkinFile(kCss);
    ASSERT_GE(file.size(), 8u);
    EXPECT_EQ(file.substr(0, 4), Le32(3));
    EXPECT_EQ(file.substr(4, 4), Le32(static_cast<std::int32_t>(file.size() - 8)));
    const SkinFileContent content = ParseSkinFile(file);
    EXPECT_FALSE(content.ignored);
    EXPECT_EQ(content.styleSheet, kCss);
}

TEST(SkinFile, VersionsUpToThreeLoadAndAboveAreIgnored) {
    const std::string stream = CompressSkin(kCss);
    const auto length = static_cast<std::int32_t>(stream.size());
    for (std::int32_t version : {-1, 0, 1, 3})
        EXPECT_EQ(ParseSkinFile(Header(version, length) + stream).styleSheet, kCss) << version;
    for (std::int32_t version : {4, 1000, INT32_MAX}) {
        const SkinFileContent content = ParseSkinFile(Header(version, length) + stream);
        EXPECT_TRUE(content.ignored) << version;
        EXPECT_FALSE(content.styleSheet) << version;
    }
    // A foreign version is ignored before its length is looked at.
    EXPECT_TRUE(ParseSkinFile(Header(4, -5)).ignored);
    EXPECT_TRUE(ParseSkinFile(Le32(4)).ignored);
}

TEST(SkinFile, UnreadableFilesFail) {
    const std::string stream = CompressSkin(kCss);
    const auto length = static_cast<std::int32_t>(stream.size());
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty file", ""},
        {"cut inside the version", "\x03\x00"},
        {"cut inside the length", Le32(3) + "\x10"},
        {"negative length", Header(3, -1) + stream},
        {"most negative length", Header(3, INT32_MIN) + stream},
        {"length one past the end", Header(3, length + 1) + stream},
        {"huge length", Header(3, INT32_MAX) + stream},
    };
    for (const auto& c : cases)
        EXPECT_THROW(ParseSkinFile(c.bytes), std::runtime_error) << c.what;
}

TEST(SkinFile, StreamsThatYieldNothingLeaveTheSkin) {
    const std::string stream = CompressSkin(kCss);
    const auto length = static_cast<std::int32_t>(stream.size());
    const std::string overCap = CompressSkin(std::string(kSkinInflateCap + 1, ' '));
    const std::string atCap = CompressSkin(std::string(kSkinInflateCap, ' '));
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"no data", Header(3, 0)},
        {"not zlib", Header(3, 5) + "hello"},
        {"truncated stream", Header(3, length - 4) + stream.substr(0, stream.size() - 4)},
        {"empty style sheet", MakeSkinFile("")},
        {"inflates past the cap", Header(3, static_cast<std::int32_t>(overCap.size())) + overCap},
    };
    for (const auto& c : cases) {
        SkinFileContent content;
        ASSERT_NO_THROW(content = ParseSkinFile(c.bytes)) << c.what;
        EXPECT_FALSE(content.ignored) << c.what;
        EXPECT_FALSE(content.styleSheet) << c.what;
    }
    const SkinFileContent full = ParseSkinFile(Header(3, static_cast<std::int32_t>(atCap.size())) + atCap);
    ASSERT_TRUE(full.styleSheet);
    EXPECT_EQ(full.styleSheet->size(), kSkinInflateCap);
}

TEST(SkinFile, BytesAfterTheDataAreNotRead) {
    const std::string stream = CompressSkin(kCss);
    EXPECT_EQ(ParseSkinFile(Header(3, static_cast<std::int32_t>(stream.size())) + stream + "trailing").styleSheet,
              kCss);
}

TEST(SkinFile, ReadsFromDiskWithTheSameRules) {
    const std::string path = ::testing::TempDir() + "skin_test_dbskin.dat";
    const auto write = [&](const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; };
    write(MakeSkinFile(kCss));
    EXPECT_EQ(ReadSkinFile(path).styleSheet, kCss);
    write(MakeSkinFile(kCss, 4));
    EXPECT_TRUE(ReadSkinFile(path).ignored);
    write(Header(3, 1000) + "short");
    EXPECT_THROW(ReadSkinFile(path), std::runtime_error);
    write(Header(3, -8));
    EXPECT_THROW(ReadSkinFile(path), std::runtime_error);
    write("\x03");
    EXPECT_THROW(ReadSkinFile(path), std::runtime_error);
    std::remove(path.c_str());
    EXPECT_THROW(ReadSkinFile(path), std::runtime_error);
}

} // namespace
} // namespace tw
