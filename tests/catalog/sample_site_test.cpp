#include "catalog/list_page.h"
#include "catalog/title_details.h"
#include "regex/regex_matcher.h"
#include "tests/catalog/catalogue_site.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <string>
#include <vector>

namespace kinovra {
namespace {

using namespace sample_site;

std::string QueryOf(const std::string& target)
{
    return target.substr(std::string("/?m=").size());
}

TEST(SampleCatalogue, EveryListPageHoldsItsTitlesAndEveryTitleItsPage)
{
    EXPECT_EQ(ListPageCount(Utf8ToGbk(Text(ListPageHtml(1)))), kListPageCount);
    for (int page = 1; page <= kListPageCount; ++page) {
        SCOPED_TRACE(page);
        RegexMatcher matcher;
        matcher.Create(kListRowPattern, Utf8ToGbk(Text(ListPageHtml(page))));
        ASSERT_EQ(matcher.MatchCount(), kTitlesPerPage);
        for (int match = 1; match <= kTitlesPerPage; ++match) {
            const Title title = TitleAt((page - 1) * kTitlesPerPage + match - 1);
            const FakeWindow::Row row = RowOf(title);
            for (int group = 1; group <= 4; ++group)
                EXPECT_EQ(matcher.SubMatchText(match, group), row[static_cast<std::size_t>(group)]);

            const auto titlePage = PageForQuery(QueryOf(TitleTarget(title.id)));
            ASSERT_TRUE(titlePage);
            EXPECT_EQ(TitleDetailsText(Utf8ToGbk(Text(*titlePage))),
                Gbk("电影名字：" + title.name + "\r\n图片地址：\"" + title.poster
                    + "\" \r\n播放地址：\" value=\"" + title.play + "\" checked=\"\">" + title.play
                    + "\r\n迅雷下载地址：" + title.magnet));
        }
    }
}

TEST(SampleCatalogue, AnswersOnlyTheQueriesOfItsPages)
{
    const Title newest = TitleAt(0);
    struct Case
    {
        std::string m;
        bool answered;
    };
    const Case cases[] = {
        { "", true },
        { "vod-type-id-1-pg-1.html", true },
        { "vod-type-id-1-pg-37.html", true },
        { QueryOf(TitleTarget(newest.id)), true },
        { "vod-type-id-1-pg-0.html", false },
        { "vod-type-id-1-pg-38.html", false },
        { "vod-type-id-1-pg-01.html", false },
        { "vod-type-id-1-pg--1.html", false },
        { "vod-type-id-2-pg-1.html", false },
        { "vod-detail-id-" + std::to_string(newest.id + 1) + ".html", false },
        { "vod-detail-id-1.html", false },
        { "index.html", false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.m);
        EXPECT_EQ(PageForQuery(c.m).has_value(), c.answered);
    }
}

TEST(SampleSiteServer, ServesThePagesAndRecordsEachRequest)
{
    Server server;
    ASSERT_NE(server.Port(), 0);
    server.SetPage("/?m=vod-detail-id-1.html", "<h2>custom</h2> ");

    httplib::Client client("127.0.0.1", server.Port());
    const auto home = client.Get("/");
    ASSERT_TRUE(home);
    EXPECT_EQ(home->status, 200);
    EXPECT_EQ(home->get_header_value("Content-Type"), "text/html; charset=utf-8");
    EXPECT_EQ(home->body, HomePageHtml());

    const auto listPage = client.Get(ListPageTarget(2));
    ASSERT_TRUE(listPage);
    EXPECT_EQ(listPage->body, ListPageHtml(2));

    const auto custom = client.Get("/?m=vod-detail-id-1.html");
    ASSERT_TRUE(custom);
    EXPECT_EQ(custom->status, 200);
    EXPECT_EQ(custom->body, "<h2>custom</h2> ");

    const auto missing = client.Get("/?m=vod-type-id-1-pg-38.html");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->status, 404);
    EXPECT_EQ(missing->body, NotFoundHtml());

    EXPECT_EQ(server.Requests(),
        (std::vector<std::string>{
            "/", ListPageTarget(2), "/?m=vod-detail-id-1.html", "/?m=vod-type-id-1-pg-38.html" }));

    // A port in use is reported rather than shared.
    EXPECT_EQ(Server(server.Port()).Port(), 0);

    server.Stop();
    EXPECT_FALSE(client.Get("/"));
}

} // namespace
} // namespace kinovra
