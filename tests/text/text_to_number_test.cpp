#include "text/primitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>

namespace kinovra {
namespace {

TEST(TextToNumberTest, ReadsTheLongestNumberAtTheStart)
{
    struct Case
    {
        std::string_view text;
        double expected;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        { "", 0 },
        { "abc", 0 },
        { "37", 37 },
        { " \t\n\v\f\r12.5abc", 12.5 },
        { "-7", -7 },
        { "+.5", 0.5 },
        { "5.", 5 },
        { "-", 0 },
        { ".", 0 },
        { "+-1", 0 },
        { "1e3", 1000 },
        { "1E3", 1000 },
        { "1d3", 1000 },
        { "1D-2", 0.01 },
        { "2e+3x", 2000 },
        { "1e", 1 },
        { "1e+", 1 },
        { "1e+x", 1 },
        { "1+3", 1 },
        { "1-3", 1 },
        { "1.5.6", 1.5 },
        { "0x10", 0 },
        { "inf", 0 },
        { "nan", 0 },
        { "0.1", 0.1 },
        { "123456789012345678901234567890", 1.2345678901234568e29 },
        { "1e400", inf },
        { "-1e400", -inf },
        { "1e-400", 0 },
        { "0.0000000000000000000000000000000000000000001e-300", 0 },
        { "4.9406564584124654e-324", std::numeric_limits<double>::denorm_min() },
        { "1e99999999999999999999", inf },
        // Full-width forms of code page 936.
        { "\xA3\xB1\xA3\xB2", 12 },
        { "\xA3\xAD\xA3\xB1\xA3\xAE\xA3\xB5", -1.5 },
        { "\xA3\xAB\xA3\xB3\xA3\xE5\xA3\xB2", 300 },
        { "\xA1\xA1\xA1\xA1"
          "7",
            7 },
        { "1\xA3\xB2\xA3\xB3\xD2\xB3", 123 },
        // Folding goes by characters: B0A3 is one, so the B1 after it is no digit.
        { "\xB0\xA3\xB1", 0 },
        { "\xA1\xAB"
          "1",
            0 },
        { "1\xA1\xEE", 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << '"');
        EXPECT_EQ(TextToNumber(Text{ c.text }), c.expected);
    }
    EXPECT_TRUE(std::signbit(TextToNumber(Text{ "-0" })));
    EXPECT_TRUE(std::signbit(TextToNumber(Text{ "-1e-400" })));
}

TEST(TextToNumberTest, PageNumbersTruncateToIntegers)
{
    EXPECT_EQ(TruncToInt(TextToNumber(Text{ "\xA3\xB1\xA3\xB2" })), 12);
    EXPECT_EQ(TruncToInt(TextToNumber(Text{ "  12.5 pages" })), 12);
    EXPECT_EQ(TruncToInt(TextToNumber(Text{})), 0);
    EXPECT_EQ(TruncToInt(TextToNumber(Text{ "2000000000" })), 2000000000);
    EXPECT_EQ(TruncToInt(TextToNumber(Text{ "99999999999999999999" })), 0);
}

} // namespace
} // namespace kinovra
