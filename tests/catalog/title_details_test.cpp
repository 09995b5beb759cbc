#include "catalog/title_details.h"
#include "tests/catalog/catalogue_site.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kinovra {
namespace {

using sample_site::TitleAt;
using sample_site::TitleTarget;

std::string WithoutQuotes(std::string text)
{
    std::erase(text, '"');
    return text;
}

using ShowTitleDetailsTest = CatalogueSite;

TEST_F(ShowTitleDetailsTest, ShowsTheFourFieldsOfTheSelectedTitleCleanedUp)
{
    for (int place = 0; place < 4; ++place)
        ui.rows.push_back(RowOf(TitleAt(place)));
    ui.selectedRow = 2;
    const sample_site::Title title = TitleAt(2);

    ShowTitleDetails(ui, cipher);

    EXPECT_EQ(site.Requests(), std::vector<std::string>{ TitleTarget(title.id) });
    // The checkbox markup around the play address leaves its value and then, after
    // "checked=", a line break and the link's own text.
    const std::string expected = "电影名字：" + WithoutQuotes(title.name) + "\r\n图片地址："
        + title.poster + " \r\n播放地址： " + title.play + " \r\n>" + title.play
        + "\r\n迅雷下载地址：" + WithoutQuotes(title.magnet);
    EXPECT_EQ(ui.editText, Gbk(expected));
}

TEST_F(ShowTitleDetailsTest, CleansQuotesValueAndCheckedInAnyCaseAnywhere)
{
    site.SetPage("/?m=vod-detail-id-1.html",
        "<title>x</title>\r\n<h2>\"夜\"VALUE=Value=航 Checked=尾</h2> <h2>第二</h2> \r\n"
        "<img class=\"lazy\" src=\"http://img.example.net/a.jpg\" alt=\"夜航\">\r\n"
        "<li><input type=\"checkbox\" name=\"copy_sel\" value=\"http://v.example.net/1.m3u8\" "
        "checked=\"\">http://v.example.net/1.m3u8</li> \r\n"
        "<a "
        "href=\"magnet:?xt=urn:btih:0123456789ABCDEF0123456789ABCDEF01234567&dn=夜航.mp4\">夜航</"
        "a>\r\n");
    ui.rows.push_back({ Text{}, Gbk("/?m=vod-detail-id-1.html") });
    ui.selectedRow = 0;

    ShowTitleDetails(ui, cipher);

    EXPECT_EQ(ui.editText,
        Gbk("电影名字：夜航 \r\n尾\r\n"
            "图片地址：http://img.example.net/a.jpg \r\n"
            "播放地址： http://v.example.net/1.m3u8 \r\n>http://v.example.net/1.m3u8\r\n"
            "迅雷下载地址：magnet:?xt=urn:btih:0123456789ABCDEF0123456789ABCDEF01234567&dn=夜航."
            "mp4"));
}

TEST_F(ShowTitleDetailsTest, FailedDownloadShowsTheLabelsAlone)
{
    ui.rows.push_back(RowOf(TitleAt(0)));
    ui.selectedRow = 0;
    site.Stop();

    ShowTitleDetails(ui, cipher);

    EXPECT_EQ(
        ui.editText, Gbk("电影名字：\r\n图片地址：\r\n播放地址：\r\n迅雷下载地址：magnet:?xt=urn"));
}

TEST_F(ShowTitleDetailsTest, WithoutASelectedRowFetchesTheBaseAddressItself)
{
    ui.rows.push_back(RowOf(TitleAt(0)));
    ShowTitleDetails(ui, cipher);
    EXPECT_EQ(site.Requests(), std::vector<std::string>{ "/" });
}

TEST_F(ShowTitleDetailsTest, CleansTheBoxAsItIsAfterTheEvents)
{
    ui.rows.push_back(RowOf(TitleAt(0)));
    ui.selectedRow = 0;
    ui.whileProcessing = [&] { ui.editText = Gbk("用户\"改过\"VALUE=的CHECKED=内容"); };

    ShowTitleDetails(ui, cipher);

    EXPECT_EQ(ui.editText, Gbk("用户改过的\r\n内容"));
}

TEST_F(ShowTitleDetailsTest, EndsQuietlyWhenTheWindowClosesBeforeTheCleanUp)
{
    site.SetPage("/?m=vod-detail-id-1.html", "<h2>\"夜航\"</h2> ");
    ui.rows.push_back({ Text{}, Gbk("/?m=vod-detail-id-1.html") });
    ui.selectedRow = 0;
    ui.whileProcessing = [&] { ui.Close(); };

    ShowTitleDetails(ui, cipher);

    EXPECT_EQ(ui.editText,
        Gbk("电影名字：\"夜航\"\r\n图片地址：\r\n播放地址：\r\n迅雷下载地址：magnet:?xt=urn"));
    EXPECT_EQ(ui.callsAfterClose, 0);
}

} // namespace
} // namespace kinovra
