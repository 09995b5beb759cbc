#include "net/http.h"

#include <gtest/gtest.h>

#include <csignal>

namespace {

class HttpLibraryEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { kinovra::StartHttpLibrary(); }
    void TearDown() override { kinovra::EndHttpLibrary(); }
};

} // namespace

int main(int argc, char** argv)
{
    // A server of a test may still be writing when the client has given up on the response.
    std::signal(SIGPIPE, SIG_IGN);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new HttpLibraryEnvironment);
    return RUN_ALL_TESTS();
}
