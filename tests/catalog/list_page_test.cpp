#include "catalog/list_page.h"
#include "regex/regex_matcher.h"
#include "tests/catalog/catalogue_site.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kinovra {
namespace {

using sample_site::ListPageHtml;
using sample_site::ListPageTarget;
using sample_site::TitleAt;

std::string DataFile(const std::string& name)
{
    std::ifstream file(std::string(KINOVRA_TEST_DATA) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
}

// The page numbers from each of the series' first numbers up to last, one series after another.
std::vector<Text> Items(std::initializer_list<int> series, int last)
{
    std::vector<Text> items;
    for (int from : series)
        for (int page = from; page <= last; ++page)
            items.push_back(IntToText(page));
    return items;
}

std::vector<FakeWindow::Row> RowsOfPage(int page)
{
    std::vector<FakeWindow::Row> rows;
    for (int place = (page - 1) * sample_site::kTitlesPerPage;
         place < page * sample_site::kTitlesPerPage; ++place)
        rows.push_back(RowOf(TitleAt(place)));
    return rows;
}

// A list page that offers pageCount page numbers and holds a single title.
std::string OneTitlePage(const std::string& pageCount)
{
    const std::string item =
        "<li><span class=\"tt\"></span><span class=\"xing_vb4\">"
        "<a href=\"/?m=vod-detail-id-7.html\" target=\"_blank\">独行</a></span> "
        "<span class=\"xing_vb5\">剧情片</span> "
        "<span class=\"xing_vb6\">2026-01-02</span></li>";
    return "   <ul>\r\n    " + item + "\r\n   </ul> \r\n当前:1/" + pageCount + "页\r\n";
}

TEST(ListPageCount, ReadsTheNumberBehindTheMarkerAsTheSelectorOffersIt)
{
    struct Case
    {
        const char* page;
        int count;
    };
    const Case cases[] = {
        { "共740条 当前:1/37页 首页", 37 },
        { "当前:1/3.7页", 3 },
        { "当前:1/ 3abc页", 3 },
        { "当前:1/１２页", 12 },
        { "当前:1/页", 0 },
        { "当前:1/第3页", 0 },
        { "当前:1/-4页", 0 },
        { "当前:1/37", 0 },
        { "", 0 },
        { "当前:1/100000页", 100000 },
        { "当前:1/100001页", 0 },
        { "当前:1/2000000000页", 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        EXPECT_EQ(ListPageCount(Gbk(c.page)), c.count);
    }
}

TEST(ListRowPattern, FindsExactlyTheBlocksLaidOutAsTheSiteWritesThem)
{
    EXPECT_EQ(kListRowPattern.length(), 200);
    struct Case
    {
        const char* file;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        { "list-five-rows.html",
            { "海上灯塔", "Night Train 2", "山城往事", "第七号档案", "冰河纪行" } },
        { "list-capital-tags.html", { "大写标签" } },
        { "list-opening-indented-more.html", { "缩进更多" } },
        // Each of these holds one well-formed block besides the ones that must not match.
        { "list-item-on-opening-line.html", { "对照片" } },
        { "list-wrong-indentation.html", { "对照片" } },
        { "list-category-line-feed.html", { "对照片" } },
        { "list-lf-only.html", {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        RegexMatcher matcher;
        matcher.Create(kListRowPattern, Utf8ToGbk(Text(DataFile(c.file))));
        std::vector<Text> names;
        for (int match = 1; match <= matcher.MatchCount(); ++match)
            names.push_back(matcher.SubMatchText(match, 2));
        std::vector<Text> expected;
        for (const std::string& name : c.names)
            expected.push_back(Gbk(name));
        EXPECT_EQ(names, expected);
    }
}

using LoadListPageTest = CatalogueSite;

TEST_F(LoadListPageTest, FillsOneRowPerBlockInPageOrder)
{
    site.SetPage(ListPageTarget(1), DataFile("list-five-rows.html"));
    LoadListPage(ui, cipher);
    const std::vector<FakeWindow::Row> expected{
        { Text{}, Gbk("/?m=vod-detail-id-501.html"), Gbk("海上灯塔"), Gbk("剧情片"),
            Gbk("2026-10-05") },
        { Text{}, Gbk("/?m=vod-detail-id-502.html"), Gbk("Night Train 2"), Gbk("动作片"),
            Gbk("2026-10-04") },
        { Text{}, Gbk("/?m=vod-detail-id-503.html"), Gbk("山城往事"), Gbk("爱情片"),
            Gbk("2026-10-04") },
        { Text{}, Gbk("/?m=vod-detail-id-504.html"), Gbk("第七号档案"), Gbk("悬疑片"),
            Gbk("2026-10-03") },
        { Text{}, Gbk("/?m=vod-detail-id-505.html"), Gbk("冰河纪行"), Gbk("纪录片"),
            Gbk("2026-10-01") },
    };
    EXPECT_EQ(ui.rows, expected);
    EXPECT_EQ(ui.comboItems[1], Items({ 1 }, 9));
}

TEST_F(LoadListPageTest, RequestsThePageTheSelectorNames)
{
    struct Case
    {
        const char* chosen; // nullptr: no item chosen
        std::string target;
    };
    const Case cases[] = {
        { nullptr, "/?m=vod-type-id-1-pg-1.html" },
        { "1", "/?m=vod-type-id-1-pg-1.html" },
        { "12", "/?m=vod-type-id-1-pg-12.html" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        FakeWindow window;
        if (c.chosen)
            window.Choose(ComboBoxId::组合框2, Gbk(c.chosen));
        site.ClearRequests();
        LoadListPage(window, cipher);
        EXPECT_EQ(site.Requests(), std::vector<std::string>{ c.target });
    }
}

TEST_F(LoadListPageTest, OffersPageNumbersOnEveryLoadOfPageOneOnly)
{
    LoadListPage(ui, cipher);
    EXPECT_EQ(ui.comboItems[1], Items({ 1 }, 37));
    EXPECT_EQ(ui.ComboText(ComboBoxId::组合框2), Text{});
    EXPECT_EQ(ui.rows, RowsOfPage(1));
    EXPECT_EQ(ui.caption, Gbk("跳转"));

    LoadListPage(ui, cipher);
    EXPECT_EQ(ui.comboItems[1], Items({ 1, 1 }, 37));

    // Page 3 is read for its rows only, whatever count it holds.
    std::string page3 = ListPageHtml(3);
    page3.replace(page3.find("当前:3/"), std::string("当前:3/").size(), "当前:1/");
    site.SetPage(ListPageTarget(3), page3);
    ui.Choose(ComboBoxId::组合框2, Gbk("3"));
    LoadListPage(ui, cipher);
    EXPECT_EQ(ui.comboItems[1], Items({ 1, 1 }, 37));
    EXPECT_EQ(ui.rows, RowsOfPage(3));

    ui.Choose(ComboBoxId::组合框2, Gbk("1"));
    LoadListPage(ui, cipher);
    EXPECT_EQ(ui.comboItems[1], Items({ 1, 1, 1 }, 37));
    EXPECT_EQ(ui.rows, RowsOfPage(1));
    EXPECT_EQ(site.Requests(),
        (std::vector<std::string>{
            ListPageTarget(1), ListPageTarget(1), ListPageTarget(3), ListPageTarget(1) }));
}

TEST_F(LoadListPageTest, ChangesTheCaptionOnceTheSelectorHoldsTwoItems)
{
    site.SetPage(ListPageTarget(1), OneTitlePage("1"));
    LoadListPage(ui, cipher);
    EXPECT_EQ(ui.comboItems[1], Items({ 1 }, 1));
    EXPECT_EQ(ui.caption, Gbk("初始化"));
    EXPECT_EQ(ui.rows.size(), 1u);

    LoadListPage(ui, cipher);
    EXPECT_EQ(ui.comboItems[1], Items({ 1, 1 }, 1));
    EXPECT_EQ(ui.caption, Gbk("跳转"));
}

TEST_F(LoadListPageTest, OffersNothingForACountNoCatalogueHas)
{
    site.SetPage(ListPageTarget(1), OneTitlePage("2000000000"));
    LoadListPage(ui, cipher);
    EXPECT_TRUE(ui.comboItems[1].empty());
    EXPECT_EQ(ui.rows.size(), 1u);
}

TEST_F(LoadListPageTest, FailedDownloadEmptiesTheListAndLeavesTheSelector)
{
    LoadListPage(ui, cipher);
    ASSERT_EQ(ui.rows.size(), 20u);
    site.Stop();

    LoadListPage(ui, cipher);
    EXPECT_TRUE(ui.rows.empty());
    EXPECT_EQ(ui.comboItems[1], Items({ 1 }, 37));
    EXPECT_EQ(ui.caption, Gbk("跳转"));
}

TEST_F(LoadListPageTest, IgnoresAPageButtonClickWhileItLoads)
{
    int nestedClicks = 0;
    ui.whileProcessing = [&] {
        if (nestedClicks++ == 0) {
            ui.Choose(ComboBoxId::组合框2, Gbk("2"));
            LoadListPage(ui, cipher);
        }
    };
    LoadListPage(ui, cipher);
    EXPECT_EQ(site.Requests(), std::vector<std::string>{ ListPageTarget(1) });
    EXPECT_EQ(ui.rows, RowsOfPage(1));

    // The run is over: the next click loads again.
    ui.whileProcessing = nullptr;
    LoadListPage(ui, cipher);
    EXPECT_EQ(ui.rows, RowsOfPage(2));
}

TEST_F(LoadListPageTest, EndsQuietlyWhenTheWindowClosesWhileRowsAreAdded)
{
    ui.whileProcessing = [&] { ui.Close(); };
    LoadListPage(ui, cipher);
    EXPECT_EQ(ui.rows.size(), 1u);
    EXPECT_EQ(ui.callsAfterClose, 0);

    // Nothing of that run is left behind to stop the next one.
    FakeWindow reopened;
    LoadListPage(reopened, cipher);
    EXPECT_EQ(reopened.rows, RowsOfPage(1));
}

} // namespace
} // namespace kinovra
