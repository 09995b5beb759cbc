#include "app/application.h"
#include "app/http_wait.h"
#include "app/program.h"
#include "net/http.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The in-process server may still be writing when a client has gone away.
    std::signal(SIGPIPE, SIG_IGN);
    testing::InitGoogleTest(&argc, argv);
    kinovra::Application application(argc, argv);
    // Each test closes its own window; no event loop runs that closing could end.
    QApplication::setQuitOnLastWindowClosed(false);
    kinovra::InitGlobals();
    kinovra::SetHttpWaitHooks(kinovra::UiWaitHooks());
    const int result = RUN_ALL_TESTS();
    kinovra::ReleaseGlobals();
    return result;
}
