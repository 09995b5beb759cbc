#include "text/codepage.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace kinovra {
namespace {

Text T(std::string_view bytes)
{
    return Text{ bytes };
}

Bytes B(std::string_view bytes)
{
    return Bytes(bytes.begin(), bytes.end());
}

TEST(Utf8ToGbkTest, ConvertsKnownCharactersAndReplacesTheRest)
{
    struct Case
    {
        std::string_view utf8;
        std::string_view gbk;
    };
    const Case cases[] = {
        { "", "" },
        { "plain <a href=\"/x?y=1\">ASCII</a>\r\n", "plain <a href=\"/x?y=1\">ASCII</a>\r\n" },
        { "\xE4\xB8\xAD", "\xD6\xD0" },
        { "\xE4\xB8\xAD\xE6\x96\x87\xE7\x94\xB5\xE5\xBD\xB1", "\xD6\xD0\xCE\xC4\xB5\xE7\xD3\xB0" },
        { "\xC2\xB7", "\xA1\xA4" },
        { "\xEF\xBC\x91", "\xA3\xB1" },
        { "\xE2\x82\xAC", "\x80" },
        // A character beyond the BMP is two UTF-16 units, each a question mark.
        { "a\xF0\x9F\x98\x80"
          "b",
            "a??b" },
        // Malformed UTF-8: each broken piece becomes one replacement character, which code
        // page 936 writes as a question mark, and decoding goes on behind it.
        { "a\x80"
          "b",
            "a?b" },
        { "a\xC0\x80"
          "b",
            "a??b" },
        { "a\xED\xA0\x80"
          "b",
            "a???b" },
        { "a\xF4\x90\x80\x80"
          "b",
            "a????b" },
        { "a\xE4\xB8"
          "b",
            "a?b" },
        { "a\xE4\xB8", "a?" },
        { "a\xF0\x9F\x98", "a?" },
        { "\xD6\xD0", "??" },
        { "\xEF\xBF\xBD", "?" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "UTF-8 \"" << c.utf8 << '"');
        EXPECT_EQ(Utf8ToGbk(T(c.utf8)).bytes(), c.gbk);
        EXPECT_EQ(EncodeFromWide(DecodeToWide(T(c.utf8), 0, false), 936, true).bytes(), c.gbk)
            << "by way of UTF-16";
    }
}

TEST(Utf8ToGbkTest, ConvertsALargePageCompletely)
{
    const std::string_view utf8Line =
        "<li><a href=\"/?m=vod-detail-id-1.html\">\xE4\xB8\xAD\xE6\x96\x87\xE7\x94\xB5"
        "\xE5\xBD\xB1</a></li>\r\n";
    const std::string_view gbkLine =
        "<li><a href=\"/?m=vod-detail-id-1.html\">\xD6\xD0\xCE\xC4\xB5\xE7\xD3\xB0"
        "</a></li>\r\n";
    std::string utf8;
    std::string gbk;
    while (utf8.size() < 500 * 1024) {
        utf8 += utf8Line;
        gbk += gbkLine;
    }
    utf8 += "\xE2\x82\xAC"
            "end";
    gbk += "\x80"
           "end";
    const Text converted = Utf8ToGbk(T(utf8));
    EXPECT_EQ(converted.length(), static_cast<int>(gbk.size()));
    EXPECT_TRUE(converted.bytes() == gbk);
}

TEST(DecodeToWideTest, GivesUtf16UnitsAndAZeroUnit)
{
    EXPECT_EQ(DecodeToWide(T("A\xE4\xB8\xAD"), 0, false), B({ "A\0\x2D\x4E\0\0", 6 }));
    EXPECT_EQ(DecodeToWide(T("\xF0\x9F\x98\x80"), 0, false), B({ "\x3D\xD8\x00\xDE\0\0", 6 }));
    EXPECT_EQ(DecodeToWide(T("\xFF"), 0, false), B({ "\xFD\xFF\0\0", 4 }));
    EXPECT_EQ(DecodeToWide(T("\xD6\xD0"), 936, true), B({ "\x2D\x4E\0\0", 4 }));
    EXPECT_TRUE(DecodeToWide(Text{}, 0, false).empty());
}

TEST(EncodeFromWideTest, ReadsUpToTheZeroUnitAndReplacesWhatCannotBeWritten)
{
    struct Case
    {
        Bytes wide;
        std::string_view gbk;
    };
    const Case cases[] = {
        { B({ "A\0\x2D\x4E\0\0", 6 }), "A\xD6\xD0" },
        { B({ "A\0\0\0B\0", 6 }), "A" },
        { B({ "A\0B", 3 }), "A" },
        { B({ "A\0\x00\xD8"
              "B\0",
              6 }),
            "A?B" },
        { B({ "A\0\x00\xDC"
              "B\0",
              6 }),
            "A?B" },
        { B({ "A\0\x00\xD8", 4 }), "A?" },
        { B({ "\x3D\xD8\x00\xDE"
              "B\0",
              6 }),
            "??B" },
        { B({ "\xA0\x00", 2 }), "?" },
        { {}, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.wide));
        EXPECT_EQ(EncodeFromWide(c.wide, 936, true).bytes(), c.gbk);
        EXPECT_EQ(EncodeFromWide(c.wide, 65001, false).bytes(), c.gbk)
            << "the ANSI code page is 936";
    }
    EXPECT_EQ(EncodeFromWide(B({ "\x2D\x4E", 2 }), 65001, true), T("\xE4\xB8\xAD"));
    EXPECT_EQ(EncodeFromWide(B({ "\x2D\x4E", 2 }), 12345, true), Text{}) << "an unknown code page";
}

TEST(CrossingTest, GbkAndUtf16ConvertBothWays)
{
    EXPECT_EQ(GbkToUtf16(T("a\xD6\xD0\x80")), u"a\u4E2D\u20AC");
    EXPECT_EQ(Utf16ToGbk(u"a\u4E2D\u20AC"), T("a\xD6\xD0\x80"));
    EXPECT_EQ(GbkToUtf8(T("a\xD6\xD0\x80")), "a\xE4\xB8\xAD\xE2\x82\xAC");
    EXPECT_EQ(Gbk("电影名字："), T("\xB5\xE7\xD3\xB0\xC3\xFB\xD7\xD6\xA3\xBA"));

    // Bytes that are no code page 936 character become U+FFFD; an ASCII byte behind a lead
    // byte is kept.
    EXPECT_EQ(GbkToUtf16(T("a\xFF"
                           "b")),
        u"a\uFFFDb");
    EXPECT_EQ(GbkToUtf16(T("\xA1\x41")), u"\uFFFDA");
    EXPECT_EQ(GbkToUtf16(T("\x81\xFF"
                           "b")),
        u"\uFFFDb");
    EXPECT_EQ(GbkToUtf16(T("a\xD6")), u"a\uFFFD");
    EXPECT_EQ(GbkToUtf8(T("a\xFF")), "a\xEF\xBF\xBD");

    EXPECT_EQ(Utf16ToGbk(u"\u4E2D\U0001F600"), T("\xD6\xD0??"));
    EXPECT_EQ(Utf16ToGbk(std::u16string_view{ u"\xD800x\xDC00", 3 }), T("?x?"));
    EXPECT_EQ(Utf16ToGbk(std::u16string_view{ u"ab\0cd", 5 }), T("ab"));
    EXPECT_EQ(Utf16ToGbk({}), Text{});
    EXPECT_EQ(GbkToUtf16(Text{}), u"");
}

TEST(CrossingTest, EveryDoubleByteCharacterRoundTripsInOnePass)
{
    // All pairs in one text, so that the conversion also has to pass over the invalid ones
    // without losing its place.
    std::string all;
    std::u16string allUnits;
    std::string valid;
    std::u16string validUnits;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const std::string pair{ static_cast<char>(lead), static_cast<char>(trail) };
            const std::u16string units = GbkToUtf16(Text{ pair });
            all += pair;
            allUnits += units;
            if (units.size() == 1 && units != u"\uFFFD") {
                valid += pair;
                validUnits += units;
            }
        }
    }
    EXPECT_GT(validUnits.size(), 21000u);
    EXPECT_EQ(GbkToUtf16(Text{ all }), allUnits);
    EXPECT_EQ(GbkToUtf16(Text{ valid }), validUnits);
    EXPECT_EQ(Utf16ToGbk(validUnits).bytes(), valid);
    EXPECT_EQ(Utf8ToGbk(Text{ GbkToUtf8(Text{ valid }) }).bytes(), valid);
}

TEST(CrossingTest, ThreadsConvertAtTheSameTime)
{
    std::string utf8;
    std::string gbk;
    for (int n = 0; n < 2000; ++n) {
        utf8 += "x\xE4\xB8\xAD\xF0\x9F\x98\x80";
        gbk += "x\xD6\xD0??";
    }
    std::vector<int> failures(4, 0);
    std::vector<std::thread> threads;
    for (int& failed : failures) {
        threads.emplace_back([&] {
            for (int round = 0; round < 50; ++round) {
                failed += Utf8ToGbk(Text{ utf8 }).bytes() != gbk;
                failed += Utf16ToGbk(GbkToUtf16(Text{ gbk })).bytes() != gbk;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

} // namespace
} // namespace kinovra
