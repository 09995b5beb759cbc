#include "app/application.h"
#include "app/exit_routines.h"
#include "app/program.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (!kinovra::DisplayAvailable(argc, argv)) {
        std::fputs("kinovra: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are "
                   "not set)\n",
            stderr);
        return 1;
    }
    kinovra::Application application(argc, argv);
    const int code = kinovra::ProgramMain();
    kinovra::RunExitRoutines();
    return code;
}
