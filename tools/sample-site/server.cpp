#include "tools/sample-site/server.h"

#include "tools/sample-site/catalogue.h"

#include <httplib.h>

#include <atomic>
#include <map>
#include <mutex>
#include <sys/socket.h>
#include <thread>

namespace kinovra::sample_site {

struct Server::State
{
    httplib::Server http;
    std::thread thread;
    std::atomic<bool> finished{ false };
    int port = 0;

    mutable std::mutex mutex;
    std::map<std::string, std::string> pages;
    std::vector<std::string> requests;
};

namespace {

constexpr const char* kHtml = "text/html; charset=utf-8";

void Answer(const httplib::Request& request, httplib::Response& response,
    const std::optional<std::string>& custom)
{
    if (custom) {
        response.set_content(*custom, kHtml);
        return;
    }
    std::optional<std::string> page;
    if (request.path == "/")
        page = PageForQuery(request.get_param_value("m"));
    if (page) {
        response.set_content(*page, kHtml);
    } else {
        response.status = 404;
        response.set_content(NotFoundHtml(), kHtml);
    }
}

} // namespace

Server::Server(int port)
    : state_(std::make_unique<State>())
{
    State& state = *state_;
    state.http.Get(".*", [&state](const httplib::Request& request, httplib::Response& response) {
        std::optional<std::string> custom;
        {
            std::lock_guard lock(state.mutex);
            state.requests.push_back(request.target);
            if (const auto found = state.pages.find(request.target); found != state.pages.end())
                custom = found->second;
        }
        Answer(request, response, custom);
    });
    // Reuse an address left in TIME_WAIT, but never share a port another server listens on, as
    // the library's default (SO_REUSEPORT) would.
    state.http.set_socket_options([](socket_t socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    // One request per connection, so that stopping never waits for an idle client to go away.
    state.http.set_keep_alive_max_count(1);
    // Without it every answer waits on the client's delayed acknowledgement, some 40 ms a page.
    state.http.set_tcp_nodelay(true);

    if (port == 0) {
        state.port = state.http.bind_to_any_port("127.0.0.1");
    } else if (state.http.bind_to_port("127.0.0.1", port)) {
        state.port = port;
    }
    if (state.port <= 0) {
        state.port = 0;
        return;
    }
    state.thread = std::thread([&state] {
        state.http.listen_after_bind();
        state.finished = true;
    });
    // stop() only takes effect once the loop runs; wait for it so that Stop can never be lost.
    while (!state.http.is_running() && !state.finished)
        std::this_thread::yield();
}

Server::~Server()
{
    Stop();
}

int Server::Port() const
{
    return state_->port;
}

std::string Server::BaseAddress() const
{
    return "http://127.0.0.1:" + std::to_string(state_->port);
}

void Server::SetPage(const std::string& target, std::string body)
{
    std::lock_guard lock(state_->mutex);
    state_->pages[target] = std::move(body);
}

std::vector<std::string> Server::Requests() const
{
    std::lock_guard lock(state_->mutex);
    return state_->requests;
}

void Server::ClearRequests()
{
    std::lock_guard lock(state_->mutex);
    state_->requests.clear();
}

void Server::Stop()
{
    if (!state_->thread.joinable())
        return;
    state_->http.stop();
    state_->thread.join();
}

} // namespace kinovra::sample_site
