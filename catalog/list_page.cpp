#include "catalog/list_page.h"

#include "net/http.h"
#include "regex/regex_matcher.h"
#include "text/text.h"

namespace kinovra {

const Text kListRowPattern = ConcatText({
    Gbk("   "),
    Gbk("<ul>"),
    Gbk("\r\n"),
    Gbk("    "),
    Gbk("<li><span class=\"tt\"></span><span class=\"xing_vb4\"><a href=\"(.*?)\" "
        "target=\"_blank\">(.*?)</a></span> <span class=\"xing_vb5\">(.*?)</span> <span "
        "class=\"xing_vb6\">(.*?)</span></li>"),
    Gbk("\r\n"),
    Gbk("   "),
    Gbk("</ul>"),
    Gbk(" "),
});

namespace {

struct ListPageTexts
{
    Text firstPagePath = Gbk("/?m=vod-type-id-1-pg-1.html");
    Text pagePathStart = Gbk("/?m=vod-type-id-1-pg-");
    Text pagePathEnd = Gbk(".html");
    Text pageCountStart = Gbk("当前:1/");
    Text pageCountEnd = Gbk("页");
    Text jumpCaption = Gbk("跳转");
};

const ListPageTexts& Texts()
{
    static const ListPageTexts texts;
    return texts;
}

constexpr int kListColumns = 4;

} // namespace

Text ListPageAddress(const Text& baseAddress, const Text& selectorText)
{
    const ListPageTexts& texts = Texts();
    if (CompareText(selectorText, Text{}) == 0)
        return ConcatText({ baseAddress, texts.firstPagePath });
    const int page = TruncToInt(TextToNumber(selectorText));
    return ConcatText({ baseAddress, texts.pagePathStart, IntToText(page), texts.pagePathEnd });
}

int ListPageCount(const Text& pageText)
{
    const ListPageTexts& texts = Texts();
    const int count =
        TruncToInt(TextToNumber(TextBetween(pageText, texts.pageCountStart, texts.pageCountEnd)));
    return count >= 1 && count <= kMaxPageCount ? count : 0;
}

void LoadListPage(WindowControls& ui, const Text& siteBaseCipher)
{
    // Rows are appended with events processed in between, so a click on the page button can
    // arrive mid-run; a nested load would empty the list under this one and mix two pages.
    static bool loading = false;
    if (loading)
        return;
    loading = true;
    struct EndOfRun
    {
        ~EndOfRun() { loading = false; }
    } endOfRun;

    const Text selectorText = ui.ComboText(ComboBoxId::组合框2);
    const double selectorValue = TextToNumber(selectorText);
    const Text pageText =
        Utf8ToGbk(HttpRequest(ListPageAddress(DecipherText(siteBaseCipher), selectorText)));

    if (!(selectorValue - 1 > kPageFillTolerance)) {
        const int pageCount = ListPageCount(pageText);
        for (int page = 1; page <= pageCount; ++page)
            ui.AddComboItem(ComboBoxId::组合框2, IntToText(page));
    }

    ui.DeleteAllRows();
    g_regex->Create(kListRowPattern, pageText);
    const int matchCount = g_regex->MatchCount();
    for (int match = 1; match <= matchCount; ++match) {
        const int row = ui.InsertRow();
        for (int column = 1; column <= kListColumns; ++column)
            ui.SetCellText(row, column, g_regex->SubMatchText(match, column));
        // The window has been closed: nothing is left to fill.
        if (!ui.ProcessPendingEvents())
            return;
    }

    if (ui.ComboItemCount(ComboBoxId::组合框2) > 1)
        ui.SetButtonCaption(Texts().jumpCaption);
}

} // namespace kinovra
