#include "support/HttpTestServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace tavrel::testing {

HttpTestServer::HttpTestServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    if (listener_ < 0) throw std::runtime_error("socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 16) != 0)
        throw std::runtime_error("bind/listen on 127.0.0.1");
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { AcceptLoop(); });
}

HttpTestServer::~HttpTestServer() {
    stopping_ = true;
    acceptor_.join();
    for (std::thread& worker : workers_) worker.join();
    ::close(listener_);
}

void HttpTestServer::Serve(const std::string& path, Response response) {
    const std::lock_guard<std::mutex> lock(mutex_);
    routes_[path] = std::move(response);
}

std::string HttpTestServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void HttpTestServer::AcceptLoop() {
    while (!stopping_) {
        pollfd wait{listener_, POLLIN, 0};
        if (::poll(&wait, 1, 20) <= 0) continue;
        const int client = ::accept(listener_, nullptr, nullptr);
        if (client < 0) continue;
        workers_.emplace_back([this, client] { Answer(client); });
    }
}

void HttpTestServer::Answer(int client) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, static_cast<size_t>(n));
    }
    ++requests_;
    const size_t start = request.find(' ') + 1;
    const std::string path = request.substr(start, request.find(' ', start) - start);
    Response response{404, "not found", 0};
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (const auto it = routes_.find(path); it != routes_.end()) response = it->second;
    }
    const auto until =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(response.delayMs);
    while (!stopping_ && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    const std::string head =
        "HTTP/1.1 " + std::to_string(response.status) +
        " Status\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
        std::to_string(response.body.size()) + "\r\nConnection: close\r\n\r\n";
    const std::string reply = head + response.body;
    size_t sent = 0;
    while (sent < reply.size() && !stopping_) {
        const ssize_t n = ::send(client, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += static_cast<size_t>(n);
    }
    ::close(client);
}

}  // namespace tavrel::testing
