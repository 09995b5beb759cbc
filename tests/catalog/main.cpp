#include "net/http.h"
#include "regex/regex_matcher.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace {

// The process-wide objects that the handlers use, as the program makes and releases them.
class GlobalsEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        kinovra::StartHttpLibrary();
        kinovra::g_regex = std::make_unique<kinovra::RegexMatcher>();
    }
    void TearDown() override
    {
        kinovra::g_regex.reset();
        kinovra::ReleaseHttpGlobals();
        kinovra::EndHttpLibrary();
    }
};

} // namespace

int main(int argc, char** argv)
{
    // The in-process server may still be writing when a client has gone away.
    std::signal(SIGPIPE, SIG_IGN);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new GlobalsEnvironment);
    return RUN_ALL_TESTS();
}
