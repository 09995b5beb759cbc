#include "net/http.h"
#include "net/http_globals.h"
#include "tests/net/gate.h"
#include "tests/net/loopback_server.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace kinovra {
namespace {

using testing::Gate;
using testing::LoopbackServer;

class HttpWaitTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.bound());
        server.Get("/echo", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("echo", "text/plain");
        });
        // Answers only when the test opens the gate.
        server.Get("/held", [this](const httplib::Request&, httplib::Response& res) {
            held.Wait();
            res.set_content("held", "text/plain");
        });
    }

    void TearDown() override
    {
        held.Open();
        SetHttpWaitHooks({});
        ReleaseHttpGlobals();
    }

    // Records the hooks' calls in calls; call number openOnCall of whileWaiting lets the held
    // answer go.
    void InstallRecordingHooks(int openOnCall)
    {
        calls.clear();
        SetHttpWaitHooks({ [this, openOnCall] {
                              calls.push_back("while");
                              if (static_cast<int>(calls.size()) == openOnCall)
                                  held.Open();
                          },
            [this] { calls.push_back("done"); } });
    }

    Text Url(const std::string& path) const { return Text(server.Url(path)); }

    Gate held; // outlives the server, whose handler waits on it
    LoopbackServer server;
    std::vector<std::string> calls;
};

TEST_F(HttpWaitTest, WaitsForTheWorkerCallingTheHooksInBetween)
{
    struct Case
    {
        const char* name;
        std::optional<int> timeout; // nullopt: the argument left out
        std::uint32_t wait;
    };
    const Case cases[] = {
        { "timeout absent", std::nullopt, kInfiniteWait },
        { "timeout 0", 0, kInfiniteWait },
        { "timeout -1, the infinite wait", -1, kInfiniteWait },
        { "timeout of ten minutes", 600000, 600000 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        held.Close();
        InstallRecordingHooks(3);

        const Text result =
            c.timeout ? HttpRequest(Url("/held"), {}, {}, *c.timeout) : HttpRequest(Url("/held"));
        EXPECT_EQ(result, Text("held"));
        EXPECT_EQ(g_http_wait, c.wait);
        ASSERT_GE(calls.size(), 4U);
        EXPECT_EQ(calls.back(), "done");
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "done"), 1);
    }
}

TEST_F(HttpWaitTest, AWaitThatRunsOutGivesTheEmptyTextAndTheLateWorkerTouchesNoLaterCall)
{
    ASSERT_EQ(HttpRequest(Url("/echo")), Text("echo"));

    // The held answer comes only after the call has given up.
    InstallRecordingHooks(-1);
    EXPECT_EQ(HttpRequest(Url("/held"), {}, {}, 50), Text());
    EXPECT_EQ(g_http_result, Text());
    EXPECT_EQ(calls.back(), "done");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "done"), 1);

    held.Open();
    // The late worker still holds the request object; this call waits for it, then has its own.
    EXPECT_EQ(HttpRequest(Url("/echo")), Text("echo"));
    EXPECT_EQ(g_http_result, Text("echo"));
    EXPECT_EQ(g_http_url, Url("/echo"));
}

} // namespace
} // namespace kinovra
