#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tavrel::testing {

// A small HTTP/1.1 server on 127.0.0.1 for download tests: each path answers with a status and
// a body, optionally after a delay. Each connection gets its own thread; the server stops, and
// joins them, when it is destroyed.
class HttpTestServer {
public:
    struct Response {
        int status = 200;
        std::string body;
        int delayMs = 0;
    };

    HttpTestServer();
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    void Serve(const std::string& path, Response response);
    std::string Url(const std::string& path) const;
    int Requests() const { return requests_; }

private:
    void AcceptLoop();
    void Answer(int client);

    int listener_ = -1;
    uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> requests_{0};
    std::mutex mutex_;
    std::map<std::string, Response> routes_;
    std::thread acceptor_;
    std::vector<std::thread> workers_;
};

}  // namespace tavrel::testing
