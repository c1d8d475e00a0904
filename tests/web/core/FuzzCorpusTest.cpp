#include "tests/fuzz/FrameOnce.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace tw {
namespace {

// The fuzz target's seed corpus, replayed through the framing without
// libFuzzer, so that every input it holds keeps passing.
TEST(FuzzCorpus, ReplyFramingSeedsPass) {
    const char* source = std::getenv("TARNWICK_TEST_SOURCE");
    ASSERT_NE(source, nullptr);
    const std::filesystem::path folder = std::filesystem::path(source) / "tests/fuzz/corpus/reply_framing";
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_TRUE(fuzz::FrameOnce(bytes.data(), bytes.size())) << entry.path();
        ++replayed;
    }
    EXPECT_GT(replayed, 0) << "no seeds in " << folder;
}

} // namespace
} // namespace tw
