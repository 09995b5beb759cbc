#pragma once

namespace kinovra {

// True when the global allocation functions send a failed allocation to AllocationFailed. They
// are not replaced in sanitizer builds, whose runtime brings allocation functions of its own.
extern const bool kAllocationFailuresAreFatal;

} // namespace kinovra
