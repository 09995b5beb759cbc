#include "net/http.h"
#include "net/http_globals.h"
#include "net/http_limits.h"
#include "tests/net/gate.h"
#include "tests/net/gzip.h"
#include "tests/net/loopback_server.h"
#include "tests/net/raw_server.h"

#include <gtest/gtest.h>

namespace kinovra {
namespace {

using testing::Gate;
using testing::Gzip;
using testing::LoopbackServer;
using testing::OneReplyServer;

constexpr std::size_t kTestCap = 1024;

class HttpFailureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.bound());
        detail::SetHttpStallTimeForTesting(std::chrono::seconds(1));
        detail::SetHttpMaxBodyBytesForTesting(kTestCap);

        const auto reply = [](std::string body, const char* encoding = nullptr) {
            return [body, encoding](const httplib::Request&, httplib::Response& res) {
                if (encoding)
                    res.set_header("Content-Encoding", encoding);
                res.set_content(body, "application/octet-stream");
            };
        };
        server.Get("/good", reply("good body"));
        server.Get("/fits", reply(std::string(kTestCap, 'x')));
        server.Get("/big", reply(std::string(kTestCap + 1, 'x')));
        server.Get("/bomb", reply(Gzip(std::string(64 * kTestCap, 'x')), "gzip"));
        // The head of the answer, then nothing until the test ends. curl averages the speed over
        // the last few seconds, so any body byte sent before the stall would only delay its end.
        server.Get("/stall", [this](const httplib::Request&, httplib::Response& res) {
            res.set_content_provider(100, "application/octet-stream",
                [this](std::size_t, std::size_t, httplib::DataSink&) {
                    stalled.Wait();
                    return false;
                });
        });
    }

    void TearDown() override
    {
        stalled.Open();
        detail::SetHttpStallTimeForTesting(kHttpStallTime);
        detail::SetHttpMaxBodyBytesForTesting(kHttpMaxBodyBytes);
        ReleaseHttpGlobals();
    }

    Gate stalled; // outlives the server, whose handler waits on it
    LoopbackServer server;
};

TEST_F(HttpFailureTest, AFailedRequestGivesTheEmptyTextNotThePreviousBody)
{
    OneReplyServer shortBody("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nonly part of it");
    ASSERT_TRUE(shortBody.listening());

    struct Case
    {
        const char* name;
        std::string url;
    };
    const Case cases[] = {
        { "connection refused",
            "http://127.0.0.1:" + std::to_string(testing::RefusingPort()) + "/" },
        { "connection closed mid-body", shortBody.Url("/") },
        { "transfer stalled", server.Url("/stall") },
        { "body over the cap", server.Url("/big") },
        { "body over the cap once unpacked", server.Url("/bomb") },
        { "malformed address", "http://127.0.0.1:99999/" },
        { "scheme other than HTTP", "file:///etc/hostname" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(HttpRequest(Text(server.Url("/good"))), Text("good body"));
        EXPECT_EQ(HttpRequest(Text(c.url)), Text());
        EXPECT_EQ(g_http_result, Text());
    }
}

TEST_F(HttpFailureTest, ABodyOfExactlyTheCapArrivesWhole)
{
    EXPECT_EQ(HttpRequest(Text(server.Url("/fits"))).str(), std::string(kTestCap, 'x'));
}

} // namespace
} // namespace kinovra
