#pragma once

#include "net/http.h"

namespace kinovra {

// What the UI thread does while it waits for an HTTP request: the window keeps repainting under
// a busy cursor, while input and close requests wait until the request has ended.
HttpWaitHooks UiWaitHooks();

} // namespace kinovra
