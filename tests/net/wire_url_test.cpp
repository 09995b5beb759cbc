#include "net/wire_url.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

namespace kinovra {
namespace {

TEST(WireUrlTest, EncodesOnlyCharactersOutsideAsciiAndSpaces)
{
    struct Case
    {
        const char* url; // UTF-8 here, code page 936 in the text
        const char* wire;
    };
    const Case cases[] = {
        { "http://127.0.0.1:17865/?m=vod-type-id-1-pg-2.html",
            "http://127.0.0.1:17865/?m=vod-type-id-1-pg-2.html" },
        { "http://h/a%20b/%e7%94?x=1&y=%", "http://h/a%20b/%e7%94?x=1&y=%" },
        { "http://h/a b", "http://h/a%20b" },
        { "http://h/电影/第1集.html", "http://h/%E7%94%B5%E5%BD%B1/%E7%AC%AC1%E9%9B%86.html" },
        { "", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        EXPECT_EQ(WireUrl(Gbk(c.url)), c.wire);
    }
}

} // namespace
} // namespace kinovra
