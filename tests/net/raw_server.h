#pragma once

#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace kinovra::testing {

namespace detail {

// A TCP socket bound to 127.0.0.1 at a free port; -1 on failure.
inline int BoundSocket(int& port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    auto* generic = reinterpret_cast<sockaddr*>(&address);
    if (fd < 0 || ::bind(fd, generic, length) != 0 || ::getsockname(fd, generic, &length) != 0) {
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    port = ntohs(address.sin_port);
    return fd;
}

} // namespace detail

// A loopback port with nothing listening on it: bound, then closed.
inline int RefusingPort()
{
    int port = 0;
    const int fd = detail::BoundSocket(port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

// A server written straight on a socket, for answers a well-behaved server never gives: it takes
// one connection, reads the request head, writes reply as it is and closes the connection.
class OneReplyServer
{
public:
    explicit OneReplyServer(std::string reply)
        : reply_(std::move(reply))
    {
        listener_ = detail::BoundSocket(port_);
        if (listener_ >= 0 && ::listen(listener_, 1) == 0)
            thread_ = std::thread([this] { Serve(); });
    }

    ~OneReplyServer()
    {
        // Wakes a listener that never got its connection.
        if (listener_ >= 0)
            ::shutdown(listener_, SHUT_RDWR);
        if (thread_.joinable())
            thread_.join();
        if (listener_ >= 0)
            ::close(listener_);
    }

    OneReplyServer(const OneReplyServer&) = delete;
    OneReplyServer& operator=(const OneReplyServer&) = delete;

    bool listening() const { return thread_.joinable(); }

    std::string Url(const std::string& path) const
    {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

private:
    void Serve()
    {
        const int connection = ::accept(listener_, nullptr, nullptr);
        if (connection < 0)
            return;
        std::string head;
        char buffer[1024];
        while (head.find("\r\n\r\n") == std::string::npos) {
            const ssize_t received = ::recv(connection, buffer, sizeof buffer, 0);
            if (received <= 0)
                break;
            head.append(buffer, static_cast<std::size_t>(received));
        }
        ::send(connection, reply_.data(), reply_.size(), MSG_NOSIGNAL);
        ::close(connection);
    }

    std::string reply_;
    int listener_ = -1;
    int port_ = 0;
    std::thread thread_;
};

} // namespace kinovra::testing
