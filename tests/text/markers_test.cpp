#include "text/codepage.h"
#include "text/markers.h"

#include <gtest/gtest.h>

#include <string_view>

namespace kinovra {
namespace {

Text T(std::string_view bytes)
{
    return Text{ bytes };
}

TEST(TextBetweenTest, CutsBehindTheFirstStartUpToTheNextEnd)
{
    struct Case
    {
        std::string_view text;
        std::string_view start;
        std::string_view end;
        std::string_view expected;
    };
    const Case cases[] = {
        { "x[abc]y", "[", "]", "abc" },
        { "[]", "[", "]", "" },
        { "x]a[b]c", "[", "]", "b" },
        { "[a[b]", "[", "]", "a[b" },
        { "[abc", "[", "]", "" },
        { "]abc[", "[", "]", "" },
        { "ab]c]", "", "]", "ab" },
        { "[abc]", "[", "", "" },
        { "abc", "[", "]", "" },
        { "", "[", "]", "" },
        { "<h2>One</h2><p>x</p><h2>Two</h2> tail", "<h2>", "</h2> ", "One</h2><p>x</p><h2>Two" },
        { "<h2>One</h2>", "<h2>", "</h2> ", "" },
        { "<h2>lower</h2> <H2>upper</h2> ", "<H2>", "</h2> ", "upper" },
        // A marker that would begin on the second byte of a double-byte character is not there.
        { "[a\xB0]b]", "[", "]", "a\xB0]b" },
        { "x\xB0[a]b", "\xB0[", "]", "a" },
        // Without the start marker the rest begins at byte TextLength(start) - 1.
        { "abcdef]g", "XYZ", "]", "bcdef" },
        { "abcdef]g", "XY", "]", "abcdef" },
        { "abcdef]g", "X", "]", "" },
        { "\xB0[a]b", "[", "]", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
            << '"' << c.text << "\" between \"" << c.start << "\" and \"" << c.end << '"');
        EXPECT_EQ(TextBetween(T(c.text), T(c.start), T(c.end)).bytes(), c.expected);
    }
}

TEST(TextBetweenTest, ReadsThePageCount)
{
    const Text page = Gbk("<div>共740条数据 当前:1/37页 下一页</div>");
    EXPECT_EQ(TextBetween(page, Gbk("当前:1/"), Gbk("页")), Text{ "37" });
}

} // namespace
} // namespace kinovra
