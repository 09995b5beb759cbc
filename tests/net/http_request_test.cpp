#include "net/http.h"
#include "net/http_globals.h"
#include "tests/net/gzip.h"
#include "tests/net/loopback_server.h"
#include "text/codepage.h"
#include "text/primitives.h"

#include <gtest/gtest.h>

#include <optional>

namespace kinovra {
namespace {

using testing::Gzip;
using testing::LoopbackServer;

class HttpRequestTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.bound());
        const auto reply = [](const char* body) {
            return [body](const httplib::Request&, httplib::Response& res) {
                res.set_content(body, "text/plain");
            };
        };
        server.Get("/echo", reply("echo"));
        server.Post("/echo", reply("echo"));
        server.Get("/page", reply("<p>第一页</p>"));
        server.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("<h1>无此页</h1>", "text/html");
        });
        server.Get("/zero", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(std::string("before\0after", 12), "application/octet-stream");
        });
        server.Get("/gzip", [](const httplib::Request&, httplib::Response& res) {
            res.set_header("Content-Encoding", "gzip");
            res.set_content(Gzip("unpacked on arrival"), "application/octet-stream");
        });
        server.Get(R"(/redirect/(\d+))", [](const httplib::Request& req, httplib::Response& res) {
            const int left = std::stoi(req.matches[1]);
            if (left > 0)
                res.set_redirect("/redirect/" + std::to_string(left - 1));
            else
                res.set_content("arrived", "text/plain");
        });
        server.Get("/loop",
            [](const httplib::Request&, httplib::Response& res) { res.set_redirect("/loop"); });
        server.Get("/set-cookie", [](const httplib::Request&, httplib::Response& res) {
            res.set_header("Set-Cookie", "visit=1; Path=/");
            res.set_content("cookie set", "text/plain");
        });
        server.Get("/film/.*", reply("film"));
    }

    void TearDown() override { ReleaseHttpGlobals(); }

    Text Url(const std::string& path) const { return Text(server.Url(path)); }

    LoopbackServer server;
};

TEST_F(HttpRequestTest, SendsGetOrPostWithTheirHeadersByTheCaseFreeMethod)
{
    // GETs and POSTs take turns: nothing of one request may stay behind for the next.
    struct Case
    {
        std::optional<const char*> method; // nullopt: the method argument left out
        const char* body;
        const char* wireMethod;
        const char* contentType;
        const char* contentLength;
        std::string wireBody;
    };
    const std::string form = "kw=1&page=2";
    const Case cases[] = {
        { std::nullopt, "", "GET", "text/XML", "(absent)", "" },
        { "post", "", "POST", "application/x-www-form-urlencoded", "0", "" },
        { "get", "", "GET", "text/XML", "(absent)", "" },
        { "Post", "电影", "POST", "application/x-www-form-urlencoded", "4", Gbk("电影").str() },
        { "PUT", "ignored", "GET", "text/XML", "(absent)", "" },
        { "POST", form.c_str(), "POST", "application/x-www-form-urlencoded", "11", form },
        { "", "", "GET", "text/XML", "(absent)", "" },
        { "HEAD", "", "GET", "text/XML", "(absent)", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method.value_or("(no method)"));
        const std::size_t before = server.Seen().size();
        const Text result = c.method ? HttpRequest(Url("/echo"), Gbk(*c.method), Gbk(c.body))
                                     : HttpRequest(Url("/echo"));
        EXPECT_EQ(result, Text("echo"));
        EXPECT_EQ(g_http_method, Gbk(c.method.value_or("")));

        const auto seen = server.Seen();
        ASSERT_EQ(seen.size(), before + 1);
        const auto& request = seen.back();
        EXPECT_EQ(request.method, c.wireMethod);
        EXPECT_EQ(request.Header("Content-Type"), c.contentType);
        EXPECT_EQ(request.Header("Content-Length"), c.contentLength);
        EXPECT_EQ(request.Header("Accept-Language"), "zh-cn");
        EXPECT_EQ(request.Header("User-Agent"), "Kinovra/2.0.1.0");
        EXPECT_EQ(request.body, c.wireBody);
    }
}

TEST_F(HttpRequestTest, ReturnsTheBodyWhateverTheStatusUpToItsFirstZeroByte)
{
    struct Case
    {
        const char* path;
        std::string body;
    };
    const Case cases[] = {
        { "/page", "<p>第一页</p>" }, // UTF-8 stays undecoded
        { "/missing", "<h1>无此页</h1>" },
        { "/zero", "before" },
        { "/gzip", "unpacked on arrival" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(HttpRequest(Url(c.path)).str(), c.body);
        EXPECT_EQ(g_http_result.str(), c.body);
        EXPECT_EQ(g_http_url, Url(c.path));
    }
}

TEST_F(HttpRequestTest, FollowsFiveRedirectsAtMost)
{
    EXPECT_EQ(HttpRequest(Url("/redirect/5")), Text("arrived"));
    EXPECT_EQ(HttpRequest(Url("/redirect/6")), Text());
    EXPECT_EQ(HttpRequest(Url("/loop")), Text());
}

TEST_F(HttpRequestTest, LaterCallsReuseTheRequestObjectAndItsCookies)
{
    EXPECT_EQ(g_http, nullptr);
    EXPECT_EQ(HttpRequest(Url("/set-cookie")), Text("cookie set"));
    const HttpService* first = g_http.get();
    ASSERT_NE(first, nullptr);

    EXPECT_EQ(HttpRequest(Url("/echo")), Text("echo"));
    EXPECT_EQ(g_http.get(), first);
    EXPECT_EQ(server.Seen().back().Header("Cookie"), "visit=1");
}

TEST_F(HttpRequestTest, ReleaseEmptiesTheSlotsAndTheNextCallStartsAfresh)
{
    HttpRequest(Url("/echo"), Gbk("post"), Gbk("a=1"));
    ASSERT_NE(g_http, nullptr);

    ReleaseHttpGlobals();
    EXPECT_EQ(g_http, nullptr);
    EXPECT_EQ(g_http_url, Text());
    EXPECT_EQ(g_http_method, Text());
    EXPECT_EQ(g_http_body, Text());
    EXPECT_EQ(g_http_result, Text());

    EXPECT_EQ(HttpRequest(Url("/set-cookie")), Text("cookie set"));
    EXPECT_NE(g_http, nullptr);
}

TEST_F(HttpRequestTest, SendsALinkOutsideAsciiAsPercentEncodedUtf8)
{
    EXPECT_EQ(HttpRequest(ConcatText({ Url(""), Gbk("/film/电影 1.html") })), Text("film"));
    EXPECT_EQ(server.Seen().back().target, "/film/%E7%94%B5%E5%BD%B1%201.html");
}

} // namespace
} // namespace kinovra
