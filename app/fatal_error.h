#pragma once

#include "text/text_type.h"

#include <cstddef>
#include <functional>

class QMessageBox;

namespace kinovra {

// Stops the program after a run-time fault: an error box without an owner window gives the
// description, then the process ends with exit code -1 without running the exit routines.
[[noreturn]] void FatalRuntimeError(const Text& description);

// The stop for a memory allocation of bytes that could not be made.
[[noreturn]] void AllocationFailed(std::size_t bytes);

// For tests only: run with the error box once it is shown, which then closes as if OK had been
// pressed. The program never sets it, so its box waits for the user.
void SetFatalErrorBoxHookForTesting(std::function<void(QMessageBox&)> hook);

} // namespace kinovra
