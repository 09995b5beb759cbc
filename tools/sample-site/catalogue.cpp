#include "tools/sample-site/catalogue.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace kinovra::sample_site {
namespace {

constexpr std::uint64_t kSeed = 0x5EED'2026'1128'0001;
constexpr int kFirstId = 9000;
constexpr int kIdStride = 13;
constexpr std::string_view kSiteName = "光影片库";
constexpr std::string_view kCrLf = "\r\n";

constexpr std::array<std::string_view, 30> kLeads{ "长夜", "雾港", "孤城", "星河", "暗流", "北境",
    "旧梦", "风暴", "天际", "边城", "迷雾", "深海", "烈火", "寒山", "归途", "逆光", "夏日", "雪原",
    "黑夜", "秘境", "南方", "远山", "月光", "疾风", "铁血", "无声", "午夜", "青春", "荒野",
    "江湖" };
constexpr std::array<std::string_view, 30> kTails{ "追击", "行动", "往事", "迷局", "来信", "少年",
    "档案", "之战", "奇缘", "笔记", "守望", "审判", "救援", "密码", "惊魂", "人生", "之恋", "猎人",
    "日记", "风云", "传说", "边缘", "谜案", "旅程", "序曲", "时刻", "告白", "逃亡", "法则",
    "信号" };
constexpr std::array<std::string_view, 4> kSequels{ "2", "3", "前传", "重制版" };
constexpr std::array<std::string_view, 10> kCategories{ "动作片", "喜剧片", "爱情片", "科幻片",
    "恐怖片", "剧情片", "战争片", "纪录片", "动画片", "悬疑片" };
constexpr std::array<std::string_view, 8> kRegions{ "大陆", "香港", "台湾", "日本", "韩国", "美国",
    "英国", "法国" };
constexpr std::array<std::string_view, 8> kLanguages{ "国语", "粤语", "国语", "日语", "韩语",
    "英语", "英语", "法语" };
constexpr std::array<std::string_view, 16> kSurnames{ "王", "李", "张", "刘", "陈", "杨", "赵",
    "黄", "周", "吴", "徐", "孙", "马", "朱", "胡", "林" };
constexpr std::array<std::string_view, 20> kGivenNames{ "子涵", "浩然", "雨桐", "思远", "佳怡",
    "志强", "晓峰", "若曦", "天宇", "梦洁", "嘉诚", "一鸣", "欣然", "建国", "婉清", "俊杰", "诗雨",
    "明轩", "雪晴", "海涛" };

std::uint64_t Mix(std::uint64_t x)
{
    x += 0x9E37'79B9'7F4A'7C15;
    x = (x ^ (x >> 30)) * 0xBF58'476D'1CE4'E5B9;
    x = (x ^ (x >> 27)) * 0x94D0'49BB'1331'11EB;
    return x ^ (x >> 31);
}

// The draw for one field of one title: the same numbers wherever and whenever it runs.
std::uint64_t Draw(int place, int field)
{
    return Mix(
        kSeed ^ Mix(static_cast<std::uint64_t>(place) * 64 + static_cast<std::uint64_t>(field)));
}

template <std::size_t N>
std::string_view Pick(const std::array<std::string_view, N>& words, std::uint64_t draw)
{
    return words[draw % N];
}

std::string Hex(int place, int field, int digits, const char* alphabet)
{
    std::string out;
    std::uint64_t bits = 0;
    for (int i = 0; i < digits; ++i) {
        if (i % 16 == 0)
            bits = Draw(place, field + i / 16);
        out += alphabet[bits & 0xF];
        bits >>= 4;
    }
    return out;
}

// Every title gets a lead and tail pair of its own, in an order drawn once from the seed, so
// that neighbouring titles share no pattern.
const std::array<int, kLeads.size() * kTails.size()>& NamePairs()
{
    static const auto pairs = [] {
        std::array<int, kLeads.size() * kTails.size()> order{};
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<int>(i);
        for (std::size_t i = order.size() - 1; i > 0; --i)
            std::swap(order[i], order[Draw(static_cast<int>(i), 63) % (i + 1)]);
        return order;
    }();
    return pairs;
}

std::string Name(int place)
{
    static_assert(kTitleCount <= static_cast<int>(kLeads.size() * kTails.size()));
    const int pair = NamePairs()[static_cast<std::size_t>(place) % NamePairs().size()];
    const std::string_view lead = kLeads[static_cast<std::size_t>(pair) / kTails.size()];
    const std::string_view tail = kTails[static_cast<std::size_t>(pair) % kTails.size()];
    const std::uint64_t draw = Draw(place, 1);
    if (draw % 53 == 0)
        return "\"" + std::string(lead) + "\"" + std::string(tail);
    std::string name = std::string(lead) + std::string(tail);
    if (draw % 9 == 0)
        name += Pick(kSequels, draw >> 8);
    return name;
}

std::chrono::year_month_day UpdateDay(int place)
{
    using namespace std::chrono;
    // Newest first, a little more than two titles a day.
    const sys_days newest = year{ 2026 } / November / 28;
    return year_month_day{ newest - days{ place * 5 / 12 } };
}

std::string DayText(const std::chrono::year_month_day& day, const char* format)
{
    char text[16];
    std::snprintf(text, sizeof text, format, static_cast<int>(day.year()),
        static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    return text;
}

std::string PersonName(int place, int field)
{
    const std::uint64_t draw = Draw(place, field);
    return std::string(Pick(kSurnames, draw)) + std::string(Pick(kGivenNames, draw >> 8));
}

std::string WithoutQuotes(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c != '"')
            out += c;
    return out;
}

std::string AttributeText(std::string_view text)
{
    std::string out;
    for (char c : text)
        out += c == '"' ? std::string_view("&quot;") : std::string_view(&c, 1);
    return out;
}

class Page
{
public:
    Page& operator<<(std::string_view text)
    {
        html_ += text;
        return *this;
    }
    Page& operator<<(int number)
    {
        html_ += std::to_string(number);
        return *this;
    }
    std::string Take() { return std::move(html_); }

private:
    std::string html_;
};

void Head(Page& page, std::string_view title)
{
    page << "<!DOCTYPE html>" << kCrLf << "<html lang=\"zh-CN\">" << kCrLf << "<head>" << kCrLf
         << "<meta charset=\"utf-8\">" << kCrLf
         << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">" << kCrLf
         << "<title>" << title << "</title>" << kCrLf
         << "<link rel=\"stylesheet\" href=\"/static/css/style.css\">" << kCrLf << "</head>"
         << kCrLf << "<body>" << kCrLf << "<div class=\"header\">" << kCrLf
         << "<div class=\"logo\"><a href=\"/\">" << kSiteName << "</a></div>" << kCrLf
         << "<div class=\"nav\"><a href=\"/\">首页</a> <a href=\"" << ListPageTarget(1)
         << "\">电影</a></div>" << kCrLf << "</div>" << kCrLf;
}

void Foot(Page& page)
{
    page << "<div class=\"footer\">" << kCrLf << "<p>" << kSiteName
         << " 为 Kinovra 自带的示例片库，片名、简介与地址均为程序生成。</p>" << kCrLf << "</div>"
         << kCrLf << "</body>" << kCrLf << "</html>" << kCrLf;
}

void PageLink(Page& page, int target, std::string_view caption)
{
    page << "<a href=\"" << ListPageTarget(target) << "\">" << caption << "</a>";
}

std::optional<int> NumberBetween(
    std::string_view text, std::string_view prefix, std::string_view suffix)
{
    if (!text.starts_with(prefix) || !text.ends_with(suffix)
        || text.size() <= prefix.size() + suffix.size())
        return std::nullopt;
    const std::string_view digits =
        text.substr(prefix.size(), text.size() - prefix.size() - suffix.size());
    if (digits.front() == '0')
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

} // namespace

Title TitleAt(int place)
{
    Title title;
    title.id = kFirstId + (kTitleCount - 1 - place) * kIdStride
        + static_cast<int>(Draw(place, 0) % kIdStride);
    title.name = Name(place);
    title.category = Pick(kCategories, Draw(place, 2));
    const auto day = UpdateDay(place);
    title.updated = DayText(day, "%04d-%02u-%02u");
    const std::string folder = DayText(day, "%04d%02u%02u");
    title.poster = "https://img.example.net/upload/vod/" + folder + "-1/"
        + Hex(place, 8, 32, "0123456789abcdef") + ".jpg";
    title.play = "https://play.example.net/" + folder + "/" + Hex(place, 12, 16, "0123456789abcdef")
        + "/index.m3u8";
    title.magnet = "magnet:?xt=urn:btih:" + Hex(place, 16, 40, "0123456789ABCDEF")
        + "&dn=" + WithoutQuotes(title.name) + ".mp4";
    return title;
}

int PlaceOfTitle(int id)
{
    if (id < kFirstId)
        return -1;
    const int place = kTitleCount - 1 - (id - kFirstId) / kIdStride;
    if (place < 0 || TitleAt(place).id != id)
        return -1;
    return place;
}

std::string ListPageTarget(int page)
{
    return "/?m=vod-type-id-1-pg-" + std::to_string(page) + ".html";
}

std::string TitleTarget(int id)
{
    return "/?m=vod-detail-id-" + std::to_string(id) + ".html";
}

std::string ListPageHtml(int number)
{
    if (number < 1 || number > kListPageCount)
        return {};
    Page page;
    Head(page, "电影 - 第" + std::to_string(number) + "页 - " + std::string(kSiteName));
    page << "<div class=\"xing_vb\">" << kCrLf;
    page << "   <ul>" << kCrLf
         << "    <li><span class=\"tt\"></span><span class=\"xing_vb1\">影片名称</span> <span "
            "class=\"xing_vb2\">影片类别</span> <span class=\"xing_vb3\">更新时间</span></li>"
         << kCrLf << "   </ul> " << kCrLf;
    for (int place = (number - 1) * kTitlesPerPage; place < number * kTitlesPerPage; ++place) {
        const Title title = TitleAt(place);
        page << "   <ul>" << kCrLf
             << "    <li><span class=\"tt\"></span><span class=\"xing_vb4\"><a href=\""
             << TitleTarget(title.id) << "\" target=\"_blank\">" << title.name
             << "</a></span> <span class=\"xing_vb5\">" << title.category
             << "</span> <span class=\"xing_vb6\">" << title.updated << "</span></li>" << kCrLf
             << "   </ul> " << kCrLf;
    }
    page << "   <ul>" << kCrLf << "    <li><span class=\"xing_vb7\"><span class=\"pages\">共"
         << kTitleCount << "条数据&nbsp;当前:" << number << "/" << kListPageCount << "页&nbsp;";
    PageLink(page, 1, "首页");
    page << "&nbsp;";
    PageLink(page, number > 1 ? number - 1 : 1, "上一页");
    page << "&nbsp;";
    PageLink(page, number < kListPageCount ? number + 1 : kListPageCount, "下一页");
    page << "&nbsp;";
    PageLink(page, kListPageCount, "尾页");
    page << "</span></span></li>" << kCrLf << "   </ul>" << kCrLf << "</div>" << kCrLf;
    Foot(page);
    return page.Take();
}

std::string TitlePageHtml(int id)
{
    const int place = PlaceOfTitle(id);
    if (place < 0)
        return {};
    const Title title = TitleAt(place);
    const std::uint64_t draw = Draw(place, 3);
    const std::size_t region = draw % kRegions.size();
    const int year = std::stoi(title.updated.substr(0, 4)) - static_cast<int>((draw >> 8) % 3);
    const int score = 50 + static_cast<int>((draw >> 16) % 45);

    Page page;
    Head(page, title.name + " - " + title.category + " - " + std::string(kSiteName));
    page << "<div class=\"warp\">" << kCrLf << "<div class=\"vodBox\">" << kCrLf
         << "<div class=\"vodImg\"><img class=\"lazy\" src=\"" << title.poster << "\" alt=\""
         << AttributeText(title.name) << "\"></div>" << kCrLf << "<div class=\"vodInfo\">" << kCrLf
         << "<div class=\"vodh\"><h2>" << title.name << "</h2> <span>HD中字</span><label>"
         << score / 10 << "." << score % 10 << "</label></div>" << kCrLf
         << "<div class=\"vodinfobox\">" << kCrLf << "<ul>" << kCrLf << "<li>导演：<span>"
         << PersonName(place, 4) << "</span></li>" << kCrLf << "<li>主演：<span>"
         << PersonName(place, 5) << "," << PersonName(place, 6) << "," << PersonName(place, 7)
         << "</span></li>" << kCrLf << "<li>类型：<span>" << title.category << "</span></li>"
         << kCrLf << "<li>地区：<span>" << kRegions[region] << "</span></li>" << kCrLf
         << "<li>语言：<span>" << kLanguages[region] << "</span></li>" << kCrLf
         << "<li>上映：<span>" << year << "</span></li>" << kCrLf << "<li>更新：<span>"
         << title.updated << "</span></li>" << kCrLf << "</ul>" << kCrLf << "</div>" << kCrLf
         << "</div>" << kCrLf << "</div>" << kCrLf << "<div class=\"vodplayinfo\">" << kCrLf
         << "<h3>剧情介绍</h3>" << kCrLf << "<p>" << title.name << "，" << year << "年"
         << kRegions[region] << title.category << "。本条目由示例片库自动生成，仅供浏览演示。</p>"
         << kCrLf << "</div>" << kCrLf << "<div class=\"vodplayinfo\">" << kCrLf
         << "<h3>播放地址</h3>" << kCrLf << "<ul>" << kCrLf
         << "<li><input type=\"checkbox\" name=\"copy_sel\" value=\"" << title.play
         << "\" checked=\"\">" << title.play << "</li> " << kCrLf << "</ul>" << kCrLf << "</div>"
         << kCrLf << "<div class=\"vodplayinfo\">" << kCrLf << "<h3>迅雷下载</h3>" << kCrLf
         << "<ul>" << kCrLf << "<li><a href=\"" << title.magnet << "\">"
         << WithoutQuotes(title.name) << ".mp4</a></li>" << kCrLf << "</ul>" << kCrLf << "</div>"
         << kCrLf << "</div>" << kCrLf;
    Foot(page);
    return page.Take();
}

std::string HomePageHtml()
{
    Page page;
    Head(page, std::string(kSiteName) + " - 最新电影在线浏览");
    page << "<div class=\"warp\">" << kCrLf << "<div class=\"box\">" << kCrLf
         << "<h3>最近更新</h3> <a class=\"more\" href=\"" << ListPageTarget(1) << "\">更多</a>"
         << kCrLf << "<ul class=\"latest\">" << kCrLf;
    for (int place = 0; place < 12; ++place) {
        const Title title = TitleAt(place);
        page << "<li><a href=\"" << TitleTarget(title.id) << "\">" << title.name << "</a> <em>"
             << title.category << "</em> <span>" << title.updated << "</span></li>" << kCrLf;
    }
    page << "</ul>" << kCrLf << "</div>" << kCrLf << "<div class=\"box\">" << kCrLf
         << "<h3>影片分类</h3>" << kCrLf << "<p>";
    for (const std::string_view category : kCategories)
        page << "<span>" << category << "</span> ";
    page << "</p>" << kCrLf << "<p>共" << kTitleCount << "部影片，" << kListPageCount << "页。";
    PageLink(page, 1, "进入片库");
    page << "</p>" << kCrLf << "</div>" << kCrLf << "</div>" << kCrLf;
    Foot(page);
    return page.Take();
}

std::string NotFoundHtml()
{
    Page page;
    Head(page, "页面不存在 - " + std::string(kSiteName));
    page << "<div class=\"warp\">" << kCrLf << "<h3>404</h3>" << kCrLf
         << "<p>您访问的页面不存在，请返回<a href=\"/\">首页</a>。</p>" << kCrLf << "</div>"
         << kCrLf;
    Foot(page);
    return page.Take();
}

std::optional<std::string> PageForQuery(std::string_view m)
{
    if (m.empty())
        return HomePageHtml();
    if (const auto number = NumberBetween(m, "vod-type-id-1-pg-", ".html")) {
        if (std::string html = ListPageHtml(*number); !html.empty())
            return html;
    } else if (const auto id = NumberBetween(m, "vod-detail-id-", ".html")) {
        if (std::string html = TitlePageHtml(*id); !html.empty())
            return html;
    }
    return std::nullopt;
}

} // namespace kinovra::sample_site
