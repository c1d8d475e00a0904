#include "web/core/ExclusiveFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace tw {
namespace {

namespace fs = std::filesystem;

class ExclusiveFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        for (int attempt = 0; attempt < 100 && dir_.empty(); ++attempt) {
            const fs::path candidate = fs::temp_directory_path() / ("exclusive_" + std::to_string(random()));
            if (fs::create_directory(candidate))
                dir_ = candidate;
        }
        ASSERT_FALSE(dir_.empty());
        path_ = (dir_ / "test.html").string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string OnDisk() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    fs::path dir_;
    std::string path_;
};

// Every byte value, and the ones a text-mode file would change: LF, CR LF,
// a lone CR, Ctrl-Z (end of file to a text-mode reader) and NUL.
std::string AwkwardBytes() {
    std::string bytes = "line\nline\r\nline\rz\x1Az\0end\n";
    bytes.push_back('\0');
    for (int i = 0; i < 256; ++i)
        bytes.push_back(static_cast<char>(i));
    return bytes;
}

TEST_F(ExclusiveFileTest, BytesComeBackAndLieOnDiskExactly) {
    const std::string bytes = AwkwardBytes();
    {
        ExclusiveFile file(path_);
        file.Write(bytes.data(), 10);
        file.Write(bytes.data() + 10, bytes.size() - 10);
        EXPECT_EQ(file.ReadAll(), bytes);
        // Reading back leaves writing where it was.
        file.Write("!", 1);
        EXPECT_EQ(file.ReadAll(), bytes + "!");
    }
    EXPECT_EQ(OnDisk(), bytes + "!");
}

TEST_F(ExclusiveFileTest, OpeningEmptiesAndEmptyStartsAgain) {
    std::ofstream(path_, std::ios::binary) << "an older page";
    ExclusiveFile file(path_);
    EXPECT_EQ(file.ReadAll(), "");
    file.Write("redirect body", 13);
    file.Empty();
    file.Write("final", 5);
    EXPECT_EQ(file.ReadAll(), "final");
    file.Close();
    EXPECT_EQ(OnDisk(), "final");
}

TEST_F(ExclusiveFileTest, ASecondHolderIsRefusedAndLeavesThePageAlone) {
    ExclusiveFile first(path_);
    first.Write("mine", 4);
    EXPECT_THROW(ExclusiveFile second(path_), ExclusiveFile::OpenError);
    EXPECT_EQ(first.ReadAll(), "mine");
    first.Close();
    ExclusiveFile again(path_); // free once closed
    EXPECT_EQ(again.ReadAll(), "");
}

TEST_F(ExclusiveFileTest, AFileThatCannotBeCreatedIsAnOpenError) {
    EXPECT_THROW(ExclusiveFile((dir_ / "missing folder" / "test.html").string()), ExclusiveFile::OpenError);
    EXPECT_THROW(ExclusiveFile(dir_.string()), ExclusiveFile::OpenError); // a folder
}

} // namespace
} // namespace tw
