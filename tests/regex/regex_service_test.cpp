#include "regex/regex_service.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kinovra {
namespace {

using Found = std::vector<std::pair<std::size_t, std::u16string>>;

Found FindAll(const std::u16string& pattern, const std::u16string& subject, bool global = true)
{
    RegexService regex;
    regex.SetGlobal(global);
    regex.SetPattern(pattern);
    const auto matches = regex.Execute(subject);
    if (!matches)
        return { { SIZE_MAX, u"rejected" } };
    Found found;
    for (std::size_t i = 0; i < matches->Count(); ++i)
        found.emplace_back(matches->Item(i).FirstIndex(), matches->Item(i).Value());
    return found;
}

TEST(RegexService, GlobalRunFindsEveryMatchLeftToRight)
{
    struct Case
    {
        const char* what;
        std::u16string pattern, subject;
        Found found;
    };
    const Case cases[] = {
        { "empty match, then the match one on", u"a*", u"baa",
            { { 0, u"" }, { 1, u"aa" }, { 3, u"" } } },
        { "empty pattern", u"", u"ab", { { 0, u"" }, { 1, u"" }, { 2, u"" } } },
        { "surrogate pair stepped over whole", u"x*", u"\U0001F600a",
            { { 0, u"" }, { 2, u"" }, { 3, u"" } } },
        { "non-overlapping", u"aa", u"aaaaa", { { 0, u"aa" }, { 2, u"aa" } } },
        { "dot stops at a line feed only", u".+", u"a\rb\nc", { { 0, u"a\rb" }, { 4, u"c" } } },
        { "\\u escapes", u"\\u0041\\u{42}\\x43", u"xABC", { { 1, u"ABC" } } },
        { "backreference to an unset group", u"\\1(a)", u"ba", { { 1, u"a" } } },
        { "empty class matches nothing", u"[]a|b", u"ab", { { 1, u"b" } } },
        { "negated empty class matches anything", u"[^]", u"\n", { { 0, u"\n" } } },
        { "$ only at the very end", u"a$", u"a\n", {} },
        { "unbalanced parenthesis", u"a)", u"a", { { SIZE_MAX, u"rejected" } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FindAll(c.pattern, c.subject), c.found);
    }
    EXPECT_EQ(FindAll(u"a*", u"baa", false), (Found{ { 0, u"" } }));
}

TEST(RegexService, SubMatchesFollowOpeningParentheses)
{
    RegexService regex;
    regex.SetPattern(u"((a)|(b))(c)?");
    const auto matches = regex.Execute(u"bx");
    ASSERT_TRUE(matches);
    ASSERT_EQ(matches->Count(), 1U);
    const Match match = matches->Item(0);
    ASSERT_EQ(match.SubMatchCount(), 4);
    EXPECT_EQ(match.SubMatch(0), u"b");
    EXPECT_EQ(match.SubMatch(1), u"");
    EXPECT_EQ(match.SubMatch(2), u"b");
    EXPECT_EQ(match.SubMatch(3), u"");
}

TEST(RegexService, SettingsApplyToTheNextRun)
{
    RegexService regex;
    regex.SetPattern(u"^ab");
    EXPECT_EQ(regex.Execute(u"AB\nab")->Count(), 0U);
    regex.SetIgnoreCase(true);
    EXPECT_EQ(regex.Execute(u"AB\nab")->Count(), 1U);
    regex.SetMultiline(true);
    regex.SetGlobal(true);
    EXPECT_EQ(regex.Execute(u"AB\nab")->Count(), 2U);
    regex.SetPattern(u"^b");
    EXPECT_EQ(regex.Execute(u"AB\nab")->Count(), 0U);
}

TEST(RegexService, ReplacementSyntax)
{
    struct Case
    {
        std::u16string pattern, replacement, result;
    };
    // Subject "xaby-ab": the first match is "ab" at 1.
    const Case cases[] = {
        { u"(a)(b)", u"$2$1", u"xbay-ba" },
        { u"(a)(b)", u"[$&]", u"x[ab]y-[ab]" },
        { u"(a)(b)", u"$$1", u"x$1y-$1" },
        { u"a(b)", u"$`|$'", u"xx|y-aby-xaby-|" },
        { u"(a)(b)", u"$0$3", u"x$0$3y-$0$3" },
        { u"(a)(b)", u"$01$10", u"xaa0y-aa0" },
        { u"(a)|(b)", u"<$2>", u"x<><b>y-<><b>" },
        { u"(a)(b)", u"$", u"x$y-$" },
        { u"(a)(b)", u"$x$", u"x$x$y-$x$" },
        { u"z", u"$1", u"xaby-ab" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.replacement.begin(), c.replacement.end()));
        RegexService regex;
        regex.SetGlobal(true);
        regex.SetPattern(c.pattern);
        EXPECT_EQ(regex.Replace(u"xaby-ab", c.replacement), c.result);
    }
    RegexService rejected;
    rejected.SetPattern(u"(");
    EXPECT_EQ(rejected.Replace(u"abc", u"x"), std::nullopt);
}

TEST(RegexService, HostileStartingPointsEndTheRunWithTheMatchesSoFar)
{
    // Every start in the long run of a's backtracks past the match limit.
    const std::u16string hostile(40, u'a');
    RegexService regex;
    regex.SetGlobal(true);
    regex.SetPattern(u"(a+)+b");
    const auto matches = regex.Execute(u"ab aab " + hostile + u"! ab");
    ASSERT_TRUE(matches);
    ASSERT_EQ(matches->Count(), 2U);
    EXPECT_EQ(matches->Item(1).Value(), u"aab");
}

TEST(RegexService, PatternsThatCannotBeWrappedStillRun)
{
    // A leading verb, an unended \Q and an unended comment keep their meaning.
    EXPECT_EQ(FindAll(u"(*NOTEMPTY)a*", u"baa"), (Found{ { 1, u"aa" } }));
    EXPECT_EQ(FindAll(u"a\\Q(*", u"a(*"), (Found{ { 0, u"a(*" } }));
    EXPECT_EQ(FindAll(u"(?x)a b#c)", u"ab"), (Found{ { 0, u"ab" } }));
}

} // namespace
} // namespace kinovra
