#include "regex/regex_matcher.h"
#include "text/text.h"

#include <gtest/gtest.h>

#include <string>

namespace kinovra {
namespace {

struct Options
{
    bool caseSensitive = false;
    bool multiline = true;
    bool global = true;
};

TEST(RegexMatcher, OptionsShapeTheRun)
{
    struct Case
    {
        const char* pattern;
        const char* subject;
        Options options;
        int count;
        const char* first;
    };
    const Case cases[] = {
        { "abc", "x ABC abc", {}, 2, "ABC" },
        { "abc", "x ABC abc", { .caseSensitive = true }, 1, "abc" },
        { "^b$", "a\nb\nc", {}, 1, "b" },
        { "^b$", "a\nb\nc", { .multiline = false }, 0, "" },
        { "o+", "foo boo o", {}, 3, "oo" },
        { "o+", "foo boo o", { .global = false }, 1, "oo" },
        { ".+", "ab\r\ncd", {}, 2, "ab\r" },
        { "片名", "电影 片名：片名", {}, 2, "片名" },
        { "zzz", "abc", {}, 0, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        RegexMatcher matcher;
        EXPECT_TRUE(matcher.Create(Gbk(c.pattern), Gbk(c.subject), c.options.caseSensitive,
            c.options.multiline, c.options.global));
        EXPECT_EQ(matcher.MatchCount(), c.count);
        EXPECT_EQ(matcher.MatchText(1), Gbk(c.first));
    }
}

TEST(RegexMatcher, RejectedPatternLeavesNothingToRead)
{
    RegexMatcher matcher;
    EXPECT_FALSE(matcher.Create(Gbk("(ab"), Gbk("ab ab")));
    EXPECT_EQ(matcher.MatchCount(), 0);
    EXPECT_EQ(matcher.SubMatchCount(), 0);
    EXPECT_EQ(matcher.MatchText(1), Text());
    EXPECT_EQ(matcher.SubMatchText(1, 1), Text());
    EXPECT_EQ(matcher.Replace(Gbk("x")), Text());
    EXPECT_EQ(matcher.GetPattern(), Gbk("(ab"));
}

TEST(RegexMatcher, NewInstanceIsEmpty)
{
    RegexMatcher matcher;
    int position = 7;
    EXPECT_EQ(matcher.MatchCount(), 0);
    EXPECT_EQ(matcher.SubMatchCount(), 0);
    EXPECT_EQ(matcher.MatchText(1, &position), Text());
    EXPECT_EQ(position, -1);
    EXPECT_EQ(matcher.GetPattern(), Text());
    EXPECT_EQ(matcher.Replace(Gbk("x")), Text());
}

TEST(RegexMatcher, IndexesOutsideTheRunGiveEmptyText)
{
    RegexMatcher matcher;
    ASSERT_TRUE(matcher.Create(Gbk("(a)(b)?"), Gbk("a ab")));
    ASSERT_EQ(matcher.MatchCount(), 2);
    ASSERT_EQ(matcher.SubMatchCount(), 2);
    const struct
    {
        int match;
        int group; // 0: MatchText
    } cases[] = { { 0, 0 }, { 3, 0 }, { -1, 0 }, { 1, -1 }, { 0, 1 }, { 3, 1 }, { 1, 3 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.match << ", " << c.group);
        int position = 7;
        const Text text = c.group == 0 ? matcher.MatchText(c.match, &position)
                                       : matcher.SubMatchText(c.match, c.group, &position);
        EXPECT_EQ(text, Text());
        EXPECT_EQ(position, -1);
    }
    // A group that took no part is empty, though its index is valid.
    EXPECT_EQ(matcher.SubMatchText(1, 2), Text());
    EXPECT_EQ(matcher.SubMatchText(2, 2), Gbk("b"));
}

TEST(RegexMatcher, PositionsAreByteOffsetsSearchedFromTheMatch)
{
    struct Case
    {
        const char* what;
        Text subject;
        const char* pattern;
        bool caseSensitive;
        int group; // 0: the whole match
        const char* text;
        int position;
    };
    const Case cases[] = {
        // Two double-byte characters before: FirstIndex is 2, the byte offset 4.
        { "after double-byte characters", Gbk("中文<a>abc</a>"), "<a>(.*?)</a>", false, 0,
            "<a>abc</a>", 4 },
        { "group after double-byte characters", Gbk("中文<a>abc</a>"), "<a>(.*?)</a>", false, 1,
            "abc", 7 },
        { "group text occurring earlier in its match", Gbk("中b-ab-b"), "b-a(b)-b", false, 1, "b",
            2 },
        { "earlier occurrence in other case", Gbk("xaBAb"), "ab(AB)", false, 1, "Ab", 1 },
        { "case-sensitive search passes it", Gbk("xaBAb"), "a.(Ab)", true, 1, "Ab", 3 },
        { "euro sign is one byte",
            Text("\x80"
                 "abc"),
            "abc", true, 0, "abc", 1 },
        { "unreadable byte before ASCII",
            Text("\x81"
                 " abc"),
            "abc", true, 0, "abc", 2 },
        { "unreadable byte pair",
            Text("\x81\xFF"
                 "abc"),
            "abc", true, 0, "abc", 2 },
        { "empty match at the end", Gbk("中ab"), "x*$", true, 0, "", 4 },
        { "group that took no part", Gbk("中ab"), "(x)?b", true, 1, "", 3 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RegexMatcher matcher;
        ASSERT_TRUE(matcher.Create(Gbk(c.pattern), c.subject, c.caseSensitive, false));
        ASSERT_GE(matcher.MatchCount(), 1);
        int position = 7;
        const Text text = c.group == 0 ? matcher.MatchText(1, &position)
                                       : matcher.SubMatchText(1, c.group, &position);
        EXPECT_EQ(text, Gbk(c.text));
        EXPECT_EQ(position, c.position);
    }
}

TEST(RegexMatcher, PositionsOfEveryMatchInTurn)
{
    RegexMatcher matcher;
    ASSERT_TRUE(matcher.Create(Gbk("[a-z]+"), Gbk("电影 abc 片名 de 中f")));
    ASSERT_EQ(matcher.MatchCount(), 3);
    const int expected[] = { 5, 14, 19 };
    for (int i = 1; i <= 3; ++i) {
        int position = 0;
        matcher.MatchText(i, &position);
        EXPECT_EQ(position, expected[i - 1]);
    }
    int position = 0;
    matcher.MatchText(1, &position);
    EXPECT_EQ(position, 5);
}

TEST(RegexMatcher, TextNotFoundFromTheMatchGivesMinusTwo)
{
    // The unreadable pair reads as U+FFFD, which code page 936 writes as '?': the returned text
    // is not the subject's bytes.
    RegexMatcher matcher;
    ASSERT_TRUE(matcher.Create(Gbk("b."), Text("ab\x81\xFF")));
    int position = 0;
    EXPECT_EQ(matcher.MatchText(1, &position), Gbk("b?"));
    EXPECT_EQ(position, -2);
}

TEST(RegexMatcher, SecondCreateReplacesTheFirst)
{
    RegexMatcher matcher;
    ASSERT_TRUE(matcher.Create(Gbk("(a)(b)"), Gbk("ab ab ab")));
    ASSERT_EQ(matcher.MatchCount(), 3);
    EXPECT_TRUE(matcher.Create(Gbk("片(名)"), Gbk("片名"), true));
    EXPECT_EQ(matcher.MatchCount(), 1);
    EXPECT_EQ(matcher.SubMatchCount(), 1);
    EXPECT_EQ(matcher.SubMatchText(1, 1), Gbk("名"));
    EXPECT_EQ(matcher.GetPattern(), Gbk("片(名)"));
    EXPECT_EQ(matcher.Replace(Gbk("<$1>")), Gbk("<名>"));
    EXPECT_FALSE(matcher.Create(Gbk("[a"), Gbk("aaa")));
    EXPECT_EQ(matcher.MatchCount(), 0);
    EXPECT_EQ(matcher.SubMatchText(1, 1), Text());
}

TEST(RegexMatcher, ReplaceFollowsTheRunsSettings)
{
    struct Case
    {
        const char* pattern;
        const char* subject;
        Options options;
        const char* replacement;
        const char* result;
    };
    const Case cases[] = {
        { "(\\w+)@(\\w+)", "a@b c@d", {}, "$2@$1", "b@a d@c" },
        { "(\\w+)@(\\w+)", "a@b c@d", { .global = false }, "$2@$1", "b@a c@d" },
        { "片", "电影片名片", {}, "[$&]", "电影[片]名[片]" },
        { "B", "abc", {}, "$$", "a$c" },
        { "B", "abc", { .caseSensitive = true }, "$$", "abc" },
        { "b", "abc", {}, "", "ac" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        RegexMatcher matcher;
        ASSERT_TRUE(matcher.Create(Gbk(c.pattern), Gbk(c.subject), c.options.caseSensitive,
            c.options.multiline, c.options.global));
        EXPECT_EQ(matcher.Replace(Gbk(c.replacement)), Gbk(c.result));
    }
}

TEST(RegexMatcher, CopiesShareTheRunAndGoOnAlone)
{
    RegexMatcher original;
    ASSERT_TRUE(original.Create(Gbk("(\\d+)"), Gbk("电影 12 片 345")));
    RegexMatcher copy(original);
    EXPECT_EQ(copy.MatchCount(), 2);
    EXPECT_EQ(copy.SubMatchText(2, 1), Gbk("345"));
    EXPECT_EQ(copy.GetPattern(), Gbk("(\\d+)"));
    int position = 0;
    copy.MatchText(2, &position);
    EXPECT_EQ(position, 11);

    ASSERT_TRUE(copy.Create(Gbk("x"), Gbk("xx")));
    EXPECT_EQ(copy.MatchCount(), 2);
    EXPECT_EQ(original.MatchCount(), 2);
    EXPECT_EQ(original.MatchText(1), Gbk("12"));
    EXPECT_EQ(original.Replace(Gbk("#")), Gbk("电影 # 片 #"));

    RegexMatcher assigned;
    assigned = original;
    EXPECT_EQ(assigned.MatchText(2), Gbk("345"));
}

} // namespace
} // namespace kinovra
