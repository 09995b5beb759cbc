#pragma once

#include "text/text_type.h"

#include <cstdint>
#include <memory>
#include <thread>

// The process-wide request slots. HttpRequest writes them on the calling thread and they keep the
// last request's values; workers never touch them, they work on a copy of their own call.
namespace kinovra {

class HttpService;

inline constexpr std::uint32_t kInfiniteWait = 0xFFFFFFFF;

extern Text g_http_url;
extern Text g_http_method;
extern Text g_http_body;
// Milliseconds the caller waits for the worker; kInfiniteWait for no limit.
extern std::uint32_t g_http_wait;
// The worker of the call in progress (or of the last call).
extern std::thread::id g_http_thread;
// The result of the last call: its body, or the empty text when it failed or its wait ran out.
extern Text g_http_result;
// The request object: made by the first worker that finds it empty, released at shutdown. Read it
// only while no worker runs.
extern std::shared_ptr<HttpService> g_http;

} // namespace kinovra
