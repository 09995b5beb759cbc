#pragma once

namespace kinovra {

using ExitRoutine = void (*)();

// Appends routine to the routines the shutdown runs, unless it is registered already.
void RegisterExitRoutine(ExitRoutine routine);

// Runs the registered routines once each, in the order of registration, then forgets them, so a
// second call runs nothing.
void RunExitRoutines();

// Forgets the registered routines without running them.
void DiscardExitRoutines();

} // namespace kinovra
