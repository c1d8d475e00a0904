#include "table/core/Numbers.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tw {
namespace {

struct Conversion {
    std::string text;
    std::optional<std::int32_t> value;
};

TEST(TextToInt32, FollowsTheConversionRules) {
    const Conversion cases[] = {
        // Decimal, with leading spaces and a sign.
        {"0", 0},
        {"42", 42},
        {"   42", 42},
        {"+7", 7},
        {"-5", -5},
        {"  -0012", -12},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"000000000002147483647", 2147483647},
        // Hexadecimal after every introducer, digits in either case.
        {"$ff", 255},
        {"xFF", 255},
        {"X1a", 26},
        {"0x10", 16},
        {"0XaB", 171},
        {"-$10", -16},
        {"$7FFFFFFF", 2147483647},
        {"$FFFFFFFF", -1},
        {"$80000000", INT32_MIN},
        {"$000000001", 1},
        // Failures.
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"\t42", std::nullopt},
        {"42 ", std::nullopt},
        {"1.5", std::nullopt},
        {"12a", std::nullopt},
        {"--5", std::nullopt},
        {"+-5", std::nullopt},
        {"5-", std::nullopt},
        {"- 5", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"3000000000", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$100000000", std::nullopt},
        {"$fg", std::nullopt},
        {"00x1", std::nullopt},
        {"0$1", std::nullopt},
        {"about 1000", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToInt32(c.text), c.value) << '"' << c.text << '"';
}

TEST(CompareNumbers, RemovesCommasAndCountsFailuresAsZero) {
    EXPECT_EQ(CountValue("1,234,567"), 1234567);
    EXPECT_EQ(CountValue(",1,,2,"), 12);
    EXPECT_EQ(CountValue(" 42"), 42);
    EXPECT_EQ(CountValue(std::string(100, ' ') + "1,234"), 1234);
    EXPECT_EQ(CountValue(std::string(100, ',') + "-7"), -7);
    for (const char* zero : {"", "about 1,000", "1.5", "7 ", "3,000,000,000", "n/a"})
        EXPECT_EQ(CountValue(zero), 0) << '"' << zero << '"';

    EXPECT_EQ(CompareNumbers("1,234", "987"), 1);
    EXPECT_EQ(CompareNumbers("987", "1,234"), -1);
    EXPECT_EQ(CompareNumbers("10", "9"), 1);
    EXPECT_EQ(CompareNumbers("-5", ""), -1);
    EXPECT_EQ(CompareNumbers("3,000,000,000", "0"), 0);
    EXPECT_EQ(CompareNumbers("1,000", "1000"), 0);
}

} // namespace
} // namespace tw
