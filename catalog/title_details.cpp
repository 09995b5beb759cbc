#include "catalog/title_details.h"

#include "net/http.h"
#include "text/text.h"

#include <array>

namespace kinovra {
namespace {

struct Field
{
    Text label;
    Text startMarker;
    Text endMarker;
};

struct CleanUp
{
    Text sought;
    Text replacement;
};

struct TitleTexts
{
    std::array<Field, 4> fields{ {
        { Gbk("电影名字："), Gbk("<h2>"), Gbk("</h2> ") },
        { Gbk("图片地址："), Gbk("<img class=\"lazy\" src="), Gbk("alt") },
        { Gbk("播放地址："), Gbk("name=\"copy_sel"), Gbk("</li> ") },
        { Gbk("迅雷下载地址：magnet:?xt=urn"), Gbk("magnet:?xt=urn"), Gbk("\"") },
    } };
    // In this order: the quotes go first, so "checked=" followed by two quotes becomes a line
    // break alone.
    std::array<CleanUp, 3> cleanUps{ {
        { Gbk("\""), Text{} },
        { Gbk("value="), Text{} },
        { Gbk("checked="), Gbk("\r\n") },
    } };
    Text lineBreak = Gbk("\r\n");
};

const TitleTexts& Texts()
{
    static const TitleTexts texts;
    return texts;
}

constexpr int kLinkColumn = 1;

} // namespace

Text TitleDetailsText(const Text& pageText)
{
    const TitleTexts& texts = Texts();
    std::array<Text, 4> lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Field& field = texts.fields[i];
        lines[i] =
            ConcatText({ field.label, TextBetween(pageText, field.startMarker, field.endMarker) });
    }
    const Text& br = texts.lineBreak;
    return ConcatText({ lines[0], br, lines[1], br, lines[2], br, lines[3] });
}

void ShowTitleDetails(WindowControls& ui, const Text& siteBaseCipher)
{
    const Text baseAddress = DecipherText(siteBaseCipher);
    const int row = ui.SelectedRow();
    const Text link = ui.CellText(row, kLinkColumn);
    const Text pageText = Utf8ToGbk(HttpRequest(ConcatText({ baseAddress, link })));

    ui.SetEditText(TitleDetailsText(pageText));
    // The window has been closed: there is no box left to clean.
    if (!ui.ProcessPendingEvents())
        return;

    // Each pass reads the box anew: it holds the user's own edits too, and whatever a handler
    // that ran during the events above left in it.
    for (const CleanUp& cleanUp : Texts().cleanUps)
        ui.SetEditText(ReplaceText(ui.EditText(), cleanUp.sought, cleanUp.replacement, false));
}

} // namespace kinovra
