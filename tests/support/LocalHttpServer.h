#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// A scripted HTTP/1.1 server on 127.0.0.1 for tests, running in a thread of the test
// process. Every connection carries one request and is closed after the answer.
class LocalHttpServer {
public:
    struct Response {
        enum class Behaviour {
            Answer,      // status line, headers, body
            NeverAnswer, // read the request, then keep silent until the client gives up
            Close,       // read the request, then close without a byte
        };

        Behaviour behaviour = Behaviour::Answer;
        int status = 200;
        std::vector<std::pair<std::string, std::string>> headers;
        std::string body;
        // Body written in pieces of this many bytes (0: one write), each after the delay.
        std::size_t pieceSize = 0;
        std::chrono::milliseconds pieceDelay{0};
        // Pieces sent as chunks of the chunked transfer coding instead of a Content-Length.
        bool chunkedEncoding = false;
        // Overrides the Content-Length header, e.g. to announce more than is sent.
        std::optional<std::size_t> contentLength;

        static Response text(std::string body, int status = 200);
        static Response redirect(const std::string& location, int status = 302);
    };

    struct Request {
        std::string method;
        std::string path;
        std::map<std::string, std::string> headers; // names lower-cased
    };

    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    // Unrouted paths answer 404.
    void route(const std::string& path, Response response);
    std::uint16_t port() const { return port_; }
    std::string url(const std::string& path) const;
    std::vector<Request> requests() const;

    // A port on 127.0.0.1 where nothing listens (connections are refused).
    static std::uint16_t unusedPort();

private:
    void serve();
    void handle(int client);
    void answer(int client, const Response& response);
    bool sendAll(int client, const std::string& bytes);
    // Waits for the delay or until the server stops; false when stopping.
    bool pause(std::chrono::milliseconds delay);

    int listener_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::map<std::string, Response> routes_;
    std::vector<Request> requests_;
    std::thread thread_;
};
