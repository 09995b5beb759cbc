#include "app/exit_routines.h"

#include <algorithm>
#include <vector>

namespace kinovra {
namespace {

std::vector<ExitRoutine>& Routines()
{
    static std::vector<ExitRoutine> routines;
    return routines;
}

} // namespace

void RegisterExitRoutine(ExitRoutine routine)
{
    auto& routines = Routines();
    if (std::find(routines.begin(), routines.end(), routine) == routines.end())
        routines.push_back(routine);
}

void RunExitRoutines()
{
    // Taken out first: a routine that registers or runs the shutdown again cannot loop.
    std::vector<ExitRoutine> routines;
    routines.swap(Routines());
    for (ExitRoutine routine : routines)
        routine();
}

void DiscardExitRoutines()
{
    Routines().clear();
}

} // namespace kinovra
