#include "net/http.h"

#include "net/http_globals.h"
#include "net/http_service.h"
#include "text/codepage.h"
#include "text/primitives.h"

#include <curl/curl.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <utility>

namespace kinovra {

Text g_http_url;
Text g_http_method;
Text g_http_body;
std::uint32_t g_http_wait = 0;
std::thread::id g_http_thread;
Text g_http_result;
std::shared_ptr<HttpService> g_http;

namespace {

// A worker that outlives a finite wait may still be making g_http while a newer one looks at it,
// or while the shutdown releases it.
std::mutex g_httpMutex;

std::mutex g_hooksMutex;
HttpWaitHooks g_hooks;

constexpr std::chrono::milliseconds kHookSlice{ 15 };

// One call's own copy of its request and its result, shared by the caller and the worker, so a
// worker that outlives its caller's wait never touches a newer call.
struct HttpCall
{
    // Filled in before the worker starts; only read after that.
    Text url;
    Text method;
    Text body;

    std::mutex mutex;
    std::condition_variable ended;
    bool finished = false;
    Text result;
};

std::shared_ptr<HttpService> RequestService()
{
    std::lock_guard lock(g_httpMutex);
    if (!g_http)
        g_http = HttpService::Make();
    return g_http;
}

Text Fetch(const HttpCall& call)
{
    const std::shared_ptr<HttpService> service = RequestService();
    if (!service)
        return {};
    const auto lock = service->Lock();
    if (CompareText(UpperText(call.method), Gbk("POST")) == 0) {
        service->Open(Gbk("POST"), call.url);
        service->SetRequestHeader(Gbk("Content-Type"), Gbk("application/x-www-form-urlencoded"));
        service->SetRequestHeader(Gbk("Content-Length"), IntToText(TextLength(call.body)));
    } else {
        service->Open(Gbk("GET"), call.url);
        service->SetRequestHeader(Gbk("Content-Type"), Gbk("text/XML"));
    }
    service->SetRequestHeader(Gbk("Accept-Language"), Gbk("zh-cn"));
    service->Send(call.body);
    return BytesToText(service->ResponseBody());
}

void HttpWorker(const std::shared_ptr<HttpCall>& call)
{
    Text result = Fetch(*call);
    {
        std::lock_guard lock(call->mutex);
        call->result = std::move(result);
        call->finished = true;
    }
    call->ended.notify_all();
}

// Waits for the worker of call, at most wait ms unless wait is kInfiniteWait, running the hooks
// in between. True when the worker has finished.
bool WaitForWorker(HttpCall& call, std::uint32_t wait, const HttpWaitHooks& hooks)
{
    using Clock = std::chrono::steady_clock;
    const bool unlimited = wait == kInfiniteWait;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(wait);
    const auto finished = [&call] { return call.finished; };

    std::unique_lock lock(call.mutex);
    if (!hooks.whileWaiting) {
        if (unlimited)
            call.ended.wait(lock, finished);
        else
            call.ended.wait_until(lock, deadline, finished);
        return call.finished;
    }
    for (;;) {
        Clock::time_point sliceEnd = Clock::now() + kHookSlice;
        if (!unlimited && deadline < sliceEnd)
            sliceEnd = deadline;
        if (call.ended.wait_until(lock, sliceEnd, finished))
            return true;
        if (!unlimited && Clock::now() >= deadline)
            return false;
        lock.unlock();
        hooks.whileWaiting();
        lock.lock();
    }
}

} // namespace

Text HttpRequest(const Text& url, const Text& method, const Text& body, int timeout)
{
    g_http_url = url;
    g_http_method = method;
    g_http_body = body;
    g_http_wait = timeout == 0 ? kInfiniteWait : static_cast<std::uint32_t>(timeout);

    auto call = std::make_shared<HttpCall>();
    call->url = g_http_url;
    call->method = g_http_method;
    call->body = g_http_body;
    std::thread worker;
    try {
        worker = std::thread(HttpWorker, call);
    } catch (const std::system_error&) {
        g_http_thread = {};
        g_http_result = Text();
        return {};
    }
    g_http_thread = worker.get_id();

    HttpWaitHooks hooks;
    {
        std::lock_guard lock(g_hooksMutex);
        hooks = g_hooks;
    }
    const bool finished = WaitForWorker(*call, g_http_wait, hooks);
    if (hooks.done)
        hooks.done();

    if (finished) {
        worker.join();
        // The worker has ended, so nothing else holds the result any more.
        g_http_result = std::move(call->result);
    } else {
        // A late worker ends by itself; its body belongs to a call that has already given up.
        worker.detach();
        g_http_result = Text();
    }
    return g_http_result;
}

void SetHttpWaitHooks(HttpWaitHooks hooks)
{
    std::lock_guard lock(g_hooksMutex);
    g_hooks = std::move(hooks);
}

void StartHttpLibrary()
{
    curl_global_init(CURL_GLOBAL_DEFAULT);
}

void EndHttpLibrary()
{
    curl_global_cleanup();
}

void ReleaseHttpGlobals()
{
    g_http_url = Text();
    g_http_method = Text();
    g_http_body = Text();
    g_http_result = Text();
    std::lock_guard lock(g_httpMutex);
    g_http.reset();
}

} // namespace kinovra
