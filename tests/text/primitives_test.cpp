#include "text/primitives.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace kinovra {
namespace {

Text T(std::string_view bytes)
{
    return Text{ bytes };
}

TEST(TextTest, EndsBeforeTheFirstZeroByte)
{
    using namespace std::string_view_literals;
    EXPECT_EQ(T("ab\0cd"sv).bytes(), "ab");
    EXPECT_EQ(Text{ std::string("\0cd", 3) }.bytes(), "");
    EXPECT_EQ(Text{ std::string("xy\0", 3) }.bytes(), "xy");
    EXPECT_EQ(BytesToText({ 0x41, 0x00, 0x42 }), T("A"));
    EXPECT_EQ(BytesToText({ 0x00, 0x41 }), Text{});
    EXPECT_EQ(BytesToText({}), Text{});
    EXPECT_EQ(BytesToText({ 0xD6, 0xD0 }), T("\xD6\xD0"));
}

TEST(TextMidTest, CutsBytesWithinTheText)
{
    struct Case
    {
        int start;
        int count;
        std::string_view expected;
    };
    const Case cases[] = {
        { 1, 5, "abcde" },
        { 2, 2, "bc" },
        { 4, 9, "de" },
        { 5, 1, "e" },
        { 0, 3, "" },
        { -1, 3, "" },
        { 6, 1, "" },
        { 1, 0, "" },
        { 1, -2, "" },
        { INT_MAX, INT_MAX, "" },
        { 1, INT_MAX, "abcde" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "start " << c.start << " count " << c.count);
        EXPECT_EQ(TextMid(T("abcde"), c.start, c.count).bytes(), c.expected);
    }
    EXPECT_EQ(TextMid(T("\xD6\xD0"), 2, 1).bytes(), "\xD0") << "may split a double-byte character";
    EXPECT_EQ(TextMid(Text{}, 1, 1), Text{});
}

TEST(FindTextTest, FollowsTheSearchRules)
{
    struct Case
    {
        std::string_view text;
        std::string_view sought;
        int start;
        bool ignoreCase;
        int expected;
    };
    const Case cases[] = {
        { "abcab", "b", 1, false, 2 },
        { "abcab", "b", 0, false, 2 },
        { "abcab", "b", -5, false, 2 },
        { "abcab", "b", 3, false, 5 },
        { "abcab", "ab", 2, false, 4 },
        { "abcab", "b", 6, false, -1 },
        { "abcab", "abcabc", 1, false, -1 },
        { "abcab", "x", 1, false, -1 },
        // A byte of 0x80 or above starts a character of two bytes: the second is never a start.
        { "\xB0\x41", "A", 1, false, -1 },
        { "x\xB0\x41\x41", "A", 1, false, 4 },
        { "\xB0\x41\xB0\x42", "\x41\xB0", 1, false, -1 },
        { "\xD6\xD0\xD6\xD0", "\xD0\xD6", 1, false, -1 },
        // The scan starts where it is told, even inside a character.
        { "\xB0\x41", "A", 2, false, 2 },
        // A lead byte at the very end is still a candidate for a one-byte search.
        { "a\xB0", "\xB0", 1, false, 2 },
        // The empty sought text is found at 1 whenever anything is searched.
        { "abcde", "", 3, false, 1 },
        { "abcde", "", 5, false, 1 },
        { "abcde", "", 6, false, -1 },
        { "", "", 1, false, -1 },
        { "", "a", 1, false, -1 },
        { "xxABC", "abc", 1, true, 3 },
        { "xxABC", "abc", 1, false, -1 },
        { "xxabc", "ABC", 1, true, 3 },
        // Only the 26 ASCII letters fold.
        { "x[", "{", 1, true, -1 },
        { "x@", "`", 1, true, -1 },
        { "\xC1", "\xE1", 1, true, -1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" for \"" << c.sought << "\" from "
                                        << c.start << (c.ignoreCase ? " ignoring case" : ""));
        EXPECT_EQ(FindText(T(c.text), T(c.sought), c.start, c.ignoreCase), c.expected);
    }
    EXPECT_EQ(FindText(T("abcab"), T("b")), 2) << "defaults: from byte 1, case counts";
}

TEST(ReplaceTextTest, ReplacesEveryOccurrenceLeftmostFirst)
{
    struct Case
    {
        std::string_view text;
        std::string_view sought;
        std::string_view replacement;
        bool caseSensitive;
        std::string_view expected;
    };
    const Case cases[] = {
        { "value=1 VALUE=2", "value=", "", false, "1 2" },
        { "value=1 VALUE=2", "value=", "", true, "1 VALUE=2" },
        { "<input CHECKED=x>", "checked=", "\r\n", false, "<input \r\nx>" },
        { "\"a\",\"b\"", "\"", "", false, "a,b" },
        { "A1,B2,C3,", ",", "", true, "A1B2C3" },
        { "aaa", "a", "aa", true, "aaaaaa" },
        { "aaaa", "aa", "b", true, "bb" },
        { "aaa", "aa", "b", true, "ba" },
        { "abc", "", "x", true, "abc" },
        { "", "a", "x", true, "" },
        { "abc", "abcd", "x", true, "abc" },
        // Replacing steps over double-byte characters as searching does.
        { "\xB0\x41\x41", "A", "x", true, "\xB0\x41x" },
        { "\xB0\x61", "A", "x", false, "\xB0\x61" },
        // A lead byte that ends the text is kept.
        { "ab\xB0", "b", "", true, "a\xB0" },
        { "a\xB0", "zz", "", true, "a\xB0" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" replacing \"" << c.sought << '"');
        EXPECT_EQ(ReplaceText(T(c.text), T(c.sought), T(c.replacement), c.caseSensitive).bytes(),
            c.expected);
    }
    EXPECT_EQ(ReplaceText(T("a,b"), T(",")), T("ab")) << "defaults: delete, case counts";
}

TEST(UpperTextTest, ChangesOnlyAsciiLettersOutsideDoubleByteCharacters)
{
    EXPECT_EQ(UpperText(T("abc xyz 09 {`}")), T("ABC XYZ 09 {`}"));
    EXPECT_EQ(UpperText(T("\xB0\x61z")), T("\xB0\x61Z"));
    EXPECT_EQ(UpperText(T("a\xB0")), T("A\xB0"));
    EXPECT_EQ(UpperText(T("\xE1\xE1")), T("\xE1\xE1"));
    EXPECT_EQ(UpperText(Text{}), Text{});
}

TEST(CompareTextTest, ComparesUnsignedBytesAndPrefixesAreSmaller)
{
    struct Case
    {
        std::string_view a;
        std::string_view b;
        int expected;
    };
    const Case cases[] = {
        { "", "", 0 },
        { "abc", "abc", 0 },
        { "a", "", 1 },
        { "", "a", -1 },
        { "ab", "abc", -1 },
        { "b", "a", 1 },
        { "\x80", "a", 1 },
        { "a", "\xFF", -1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.a << "\" with \"" << c.b << '"');
        EXPECT_EQ(CompareText(T(c.a), T(c.b)), c.expected);
    }
}

TEST(SmallOperationsTest, FollowTheirRules)
{
    EXPECT_EQ(ConcatText({ T("a"), Text{}, T("bc"), T("\xD6\xD0") }), T("abc\xD6\xD0"));
    EXPECT_EQ(ConcatText({}), Text{});

    EXPECT_EQ(CharCode(Text{}), 0);
    EXPECT_EQ(CharCode(T("A")), 65);
    EXPECT_EQ(CharCode(T("\xB0x")), -80);
    EXPECT_EQ(CharCode(T("\xFF")), -1);

    EXPECT_EQ(ToByte(-34), 222);
    EXPECT_EQ(ToByte(-2), 254);
    EXPECT_EQ(ToByte(256), 0);
    EXPECT_EQ(ToByte(511), 255);

    EXPECT_EQ(IntToText(0), T("0"));
    EXPECT_EQ(IntToText(37), T("37"));
    EXPECT_EQ(IntToText(INT_MIN), T("-2147483648"));
    EXPECT_EQ(IntToText(INT_MAX), T("2147483647"));

    EXPECT_EQ(Modulo(5.5, 2), 1.5);
    EXPECT_EQ(Modulo(-1, 256), -1);
    EXPECT_EQ(Modulo(766, 256), 254);

    EXPECT_EQ(BitXor(0x0F, 0xFF), 0xF0);
    EXPECT_EQ(BitXor(-1, 0x0F), -16);

    EXPECT_EQ(BlankText(3), T("   "));
    EXPECT_EQ(BlankText(0), Text{});
    EXPECT_EQ(BlankText(-1), Text{});
    EXPECT_EQ(BlankBytes(2), (Bytes{ 0, 0 }));
    EXPECT_TRUE(BlankBytes(-3).empty());
}

TEST(TruncToIntTest, TruncatesTowardZeroInEveryRoundingMode)
{
    struct Case
    {
        double value;
        int expected;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        { 2.9, 2 },
        { -2.9, -2 },
        { 0.5, 0 },
        { -0.5, 0 },
        { 12.0, 12 },
        { 2147483647.0, INT_MAX },
        { -2147483648.0, INT_MIN },
        // Through 64 bits: the low 32 bits are the result.
        { 2147483648.0, INT_MIN },
        { 4294967296.0 + 5.0, 5 },
        { -9223372036854775808.0, 0 },
        { 9223372036854775808.0, 0 },
        { 1e20, 0 },
        { -1e20, 0 },
        { inf, 0 },
        { -inf, 0 },
        { nan, 0 },
    };
    const int modes[] = { FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO };
    const int saved = std::fegetround();
    for (const int mode : modes) {
        ASSERT_EQ(std::fesetround(mode), 0);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "rounding mode " << mode << ", value " << c.value);
            EXPECT_EQ(TruncToInt(c.value), c.expected);
        }
    }
    std::fesetround(saved);
}

} // namespace
} // namespace kinovra
