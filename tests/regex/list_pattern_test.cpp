#include "regex/regex_matcher.h"
#include "text/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kinovra {
namespace {

// The catalogue's list-row pattern, built from its nine pieces.
Text ListRowPattern()
{
    return ConcatText({ Gbk("   "), Gbk("<ul>"), Gbk("\r\n"), Gbk("    "),
        Gbk("<li><span class=\"tt\"></span><span class=\"xing_vb4\"><a href=\"(.*?)\" "
            "target=\"_blank\">(.*?)</a></span> <span class=\"xing_vb5\">(.*?)</span> <span "
            "class=\"xing_vb6\">(.*?)</span></li>"),
        Gbk("\r\n"), Gbk("   "), Gbk("</ul>"), Gbk(" ") });
}

struct Row
{
    std::string href, name, category, time;
};

std::string ItemLine(const Row& row)
{
    return "<li><span class=\"tt\"></span><span class=\"xing_vb4\"><a href=\"" + row.href
        + "\" target=\"_blank\">" + row.name + "</a></span> <span class=\"xing_vb5\">"
        + row.category + "</span> <span class=\"xing_vb6\">" + row.time + "</span></li>";
}

// A list block as the site writes it (UTF-8).
std::string Block(const Row& row)
{
    return "   <ul>\r\n    " + ItemLine(row) + "\r\n   </ul> \r\n";
}

const std::vector<Row> kRows = {
    { "/?m=vod-detail-id-101.html", "流浪地球", "科幻片", "2024-03-01" },
    { "/?m=vod-detail-id-102.html", "Film Two", "动作片", "2024-03-02" },
    { "/?m=vod-detail-id-103.html", "第三部 3", "剧情片", "2024-03-03 12:00" },
};

std::string Page(const std::string& blocks)
{
    return "<html><body>\r\n<div class=\"xing_vb\">\r\n" + blocks
        + "</div>\r\n当前:1/5页\r\n</body></html>\r\n";
}

TEST(ListPattern, IsTheTwoHundredBytesOfTheCatalogue)
{
    EXPECT_EQ(ListRowPattern().length(), 200);
}

TEST(ListPattern, FindsEveryBlockWithItsFourGroups)
{
    RegexMatcher matcher;
    EXPECT_TRUE(matcher.Create(
        ListRowPattern(), Gbk(Page(Block(kRows[0]) + Block(kRows[1]) + Block(kRows[2])))));
    ASSERT_EQ(matcher.MatchCount(), 3);
    EXPECT_EQ(matcher.SubMatchCount(), 4);
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        const Row& row = kRows[static_cast<std::size_t>(i) - 1];
        EXPECT_EQ(matcher.SubMatchText(i, 1), Gbk(row.href));
        EXPECT_EQ(matcher.SubMatchText(i, 2), Gbk(row.name));
        EXPECT_EQ(matcher.SubMatchText(i, 3), Gbk(row.category));
        EXPECT_EQ(matcher.SubMatchText(i, 4), Gbk(row.time));
        EXPECT_EQ(matcher.SubMatchText(i, 0), Text());
        EXPECT_EQ(matcher.SubMatchText(i, 5), Text());
    }
}

TEST(ListPattern, MatchesOnlyBlocksLaidOutExactly)
{
    const Row row = kRows[0];
    const std::string item = ItemLine(row);
    struct Case
    {
        const char* what;
        std::string block;
        bool matches;
    };
    const Case cases[] = {
        { "as written", Block(row), true },
        { "tags in capitals",
            "   <UL>\r\n    <LI><SPAN CLASS=\"tt\"></SPAN><SPAN CLASS=\"XING_VB4\"><A "
            "HREF=\"/x.html\" "
            "TARGET=\"_blank\">x</A></SPAN> <SPAN CLASS=\"xing_vb5\">y</SPAN> <SPAN "
            "CLASS=\"xing_vb6\">z</SPAN></LI>\r\n   </UL> \r\n",
            true },
        { "more blanks before the opening tag", "  " + Block(row), true },
        { "item on the opening tag's line", "   <ul>" + item + "\r\n   </ul> \r\n", false },
        { "item indented by three", "   <ul>\r\n   " + item + "\r\n   </ul> \r\n", false },
        { "item indented by five", "   <ul>\r\n     " + item + "\r\n   </ul> \r\n", false },
        { "closing line indented by two", "   <ul>\r\n    " + item + "\r\n  </ul> \r\n", false },
        { "closing line indented by four", "   <ul>\r\n    " + item + "\r\n    </ul> \r\n", false },
        { "lone LF after the opening tag", "   <ul>\n    " + item + "\r\n   </ul> \r\n", false },
        { "lone LF after the item", "   <ul>\r\n    " + item + "\n   </ul> \r\n", false },
        { "line feed inside the category", Block({ row.href, row.name, "科幻\n片", row.time }),
            false },
        { "no blank after the closing tag", "   <ul>\r\n    " + item + "\r\n   </ul>\r\n", false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RegexMatcher matcher;
        EXPECT_TRUE(matcher.Create(ListRowPattern(), Gbk(Page(c.block))));
        EXPECT_EQ(matcher.MatchCount(), c.matches ? 1 : 0);
    }
}

TEST(ListPattern, SkipsAHostileBlockAndFindsTheBlocksAfterIt)
{
    // An item line that never ends its last span: every way of splitting it among the four
    // lazy groups is tried, far more than the engine may spend on one starting point.
    std::string hostile =
        "   <ul>\r\n    <li><span class=\"tt\"></span><span class=\"xing_vb4\"><a href=\"";
    for (int i = 0; i < 200; ++i)
        hostile += "\" target=\"_blank\">x</a></span> <span class=\"xing_vb5\">y</span> <span "
                   "class=\"xing_vb6\">z";
    hostile += "\r\n   </ul> \r\n";

    RegexMatcher matcher;
    EXPECT_TRUE(matcher.Create(ListRowPattern(),
        Gbk(Page(Block(kRows[0]) + hostile + Block(kRows[1]) + Block(kRows[2])))));
    ASSERT_EQ(matcher.MatchCount(), 3);
    EXPECT_EQ(matcher.SubMatchText(1, 2), Gbk(kRows[0].name));
    EXPECT_EQ(matcher.SubMatchText(2, 2), Gbk(kRows[1].name));
    EXPECT_EQ(matcher.SubMatchText(3, 4), Gbk(kRows[2].time));
}

} // namespace
} // namespace kinovra
