#pragma once

#include <memory>
#include <string>
#include <vector>

namespace kinovra::sample_site {

// Serves the sample catalogue over HTTP on 127.0.0.1 from a thread of its own, from construction
// until Stop or destruction. Requests are answered under "/" by the query parameter m; targets
// that name no page get a 404 page.
class Server
{
public:
    // Port 0 picks an ephemeral port. When the port cannot be bound, Port() is 0 and nothing runs.
    explicit Server(int port = 0);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    int Port() const;
    // "http://127.0.0.1:<port>"
    std::string BaseAddress() const;

    // Answers the request target exactly equal to target ("/?m=...", "/") with body, in place of
    // what the catalogue would answer; the body's bytes go out as given.
    void SetPage(const std::string& target, std::string body);
    // Every request target received so far, in order of arrival.
    std::vector<std::string> Requests() const;
    void ClearRequests();

    // Stops listening and waits for the requests in progress; later connections are refused.
    void Stop();

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace kinovra::sample_site
