#include "app/application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    // A child that runs the test binary afresh, not a fork of a process that Qt has threads in.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    kinovra::Application application(argc, argv);
    return RUN_ALL_TESTS();
}
