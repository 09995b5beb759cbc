#pragma once

#include <httplib.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kinovra::testing {

// What the server saw of one request.
struct SeenRequest
{
    std::string method;
    std::string target; // as sent, before any decoding
    httplib::Headers headers;
    std::string body;
    int remotePort = -1;

    std::string Header(const std::string& name) const
    {
        const auto it = headers.find(name);
        return it == headers.end() ? std::string("(absent)") : it->second;
    }
};

// An HTTP server on 127.0.0.1 at a port of its own, serving from its own thread. Routes added
// with Get and Post record every request they receive.
class LoopbackServer
{
public:
    LoopbackServer()
    {
        // Otherwise each small answer waits on the client's delayed acknowledgement (~40 ms).
        server_.set_tcp_nodelay(true);
        port_ = server_.bind_to_any_port("127.0.0.1");
        // The socket is listening once bound; connections wait in its backlog until the
        // accepting loop starts.
        thread_ = std::thread([this] { server_.listen_after_bind(); });
    }

    ~LoopbackServer()
    {
        // stop() does nothing before the accepting loop has started.
        while (!server_.is_running())
            std::this_thread::yield();
        server_.stop();
        thread_.join();
    }

    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    bool bound() const { return port_ > 0; }

    std::string Url(const std::string& path) const
    {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

    void Get(const std::string& pattern, httplib::Server::Handler handler)
    {
        server_.Get(pattern, Recording(std::move(handler)));
    }

    void Post(const std::string& pattern, httplib::Server::Handler handler)
    {
        server_.Post(pattern, Recording(std::move(handler)));
    }

    std::vector<SeenRequest> Seen() const
    {
        std::lock_guard lock(mutex_);
        return seen_;
    }

private:
    httplib::Server::Handler Recording(httplib::Server::Handler handler)
    {
        return [this, handler = std::move(handler)](
                   const httplib::Request& req, httplib::Response& res) {
            {
                std::lock_guard lock(mutex_);
                seen_.push_back({ req.method, req.target, req.headers, req.body, req.remote_port });
            }
            handler(req, res);
        };
    }

    httplib::Server server_;
    int port_ = -1;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<SeenRequest> seen_;
};

} // namespace kinovra::testing
