#pragma once

#include "text/text_type.h"

#include <functional>

namespace kinovra {

// One HTTP request on a worker thread of its own while the caller waits; the response body up to
// its first zero byte, or the empty text when the request fails. A method of "POST" in any case
// posts the body as a form; anything else is a GET. A timeout of 0 waits until the worker ends.
Text HttpRequest(const Text& url, const Text& method = {}, const Text& body = {}, int timeout = 0);

// Hooks run on the calling thread while it waits for a request: whileWaiting again and again
// until the worker has ended (or the wait has run out), then done once.
struct HttpWaitHooks
{
    std::function<void()> whileWaiting;
    std::function<void()> done;
};
void SetHttpWaitHooks(HttpWaitHooks hooks);

// The process-wide start and end of the HTTP library: before the first request, and last of all.
void StartHttpLibrary();
void EndHttpLibrary();

// Shutdown: frees the request slots, then releases the request object.
void ReleaseHttpGlobals();

} // namespace kinovra
