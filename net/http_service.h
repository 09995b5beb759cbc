#pragma once

#include "text/text_type.h"

#include <memory>
#include <mutex>

namespace kinovra {

// The HTTP request service: one connection-keeping, cookie-keeping client that sends one request
// at a time. A request is Open, any number of SetRequestHeader, Send, then ResponseBody. Hold
// Lock() across the whole sequence; the object is shared by every worker.
class HttpService
{
public:
    // Empty when the client cannot be made.
    static std::shared_ptr<HttpService> Make();
    ~HttpService();

    HttpService(const HttpService&) = delete;
    HttpService& operator=(const HttpService&) = delete;

    [[nodiscard]] std::unique_lock<std::mutex> Lock() { return std::unique_lock(mutex_); }

    // Starts a request; method is "GET" or "POST". Drops the previous request's headers and body.
    void Open(const Text& method, const Text& url);
    void SetRequestHeader(const Text& name, const Text& value);
    // Performs the request, posting body when it was opened as a POST. Returns once the response
    // has arrived or the request has failed.
    void Send(const Text& body);
    // The response body; empty when the request failed in any way.
    const Bytes& ResponseBody() const;

private:
    struct Client;
    explicit HttpService(std::unique_ptr<Client> client);

    std::unique_ptr<Client> client_;
    std::mutex mutex_;
};

} // namespace kinovra
