#include "LocalHttpServer.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int listenOnLoopback(std::uint16_t& port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::runtime_error("socket failed");
    const int yes = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 16) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(fd);
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    port = ntohs(address.sin_port);
    return fd;
}

std::string reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string trimmed(const std::string& text) {
    const auto begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

LocalHttpServer::Request parseRequest(const std::string& head) {
    LocalHttpServer::Request request;
    std::size_t lineStart = 0;
    bool first = true;
    while (lineStart < head.size()) {
        std::size_t lineEnd = head.find("\r\n", lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = head.size();
        const std::string line = head.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 2;
        if (first) {
            const auto space = line.find(' ');
            request.method = line.substr(0, space);
            const auto pathStart = space == std::string::npos ? line.size() : space + 1;
            request.path = line.substr(pathStart, line.find(' ', pathStart) - pathStart);
            first = false;
        } else if (const auto colon = line.find(':'); colon != std::string::npos) {
            request.headers[lowered(line.substr(0, colon))] = trimmed(line.substr(colon + 1));
        }
    }
    return request;
}

std::string hex(std::size_t value) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    do {
        out.insert(out.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    return out;
}

} // namespace

LocalHttpServer::Response LocalHttpServer::Response::text(std::string body, int status) {
    Response response;
    response.status = status;
    response.headers = {{"Content-Type", "text/xml; charset=utf-8"}};
    response.body = std::move(body);
    return response;
}

LocalHttpServer::Response LocalHttpServer::Response::redirect(const std::string& location,
                                                              int status) {
    Response response = text("moved", status);
    response.headers.emplace_back("Location", location);
    return response;
}

LocalHttpServer::LocalHttpServer() {
    listener_ = listenOnLoopback(port_);
    int wake[2];
    if (pipe2(wake, O_CLOEXEC) != 0) {
        close(listener_);
        throw std::runtime_error("pipe failed");
    }
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
    thread_ = std::thread([this] { serve(); });
}

LocalHttpServer::~LocalHttpServer() {
    stopping_ = true;
    const char byte = 0;
    (void)!write(wakeWrite_, &byte, 1);
    thread_.join();
    close(listener_);
    close(wakeRead_);
    close(wakeWrite_);
}

void LocalHttpServer::route(const std::string& path, Response response) {
    const std::lock_guard lock(mutex_);
    routes_[path] = std::move(response);
}

std::string LocalHttpServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<LocalHttpServer::Request> LocalHttpServer::requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

std::uint16_t LocalHttpServer::unusedPort() {
    std::uint16_t port = 0;
    close(listenOnLoopback(port));
    return port;
}

void LocalHttpServer::serve() {
    while (!stopping_) {
        pollfd fds[2] = {{listener_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 && errno != EINTR)
            return;
        if (fds[1].revents != 0)
            return;
        if (fds[0].revents & POLLIN) {
            const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (client >= 0) {
                handle(client);
                close(client);
            }
        }
    }
}

void LocalHttpServer::handle(int client) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos) {
        pollfd fds[2] = {{client, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 || fds[1].revents != 0)
            return;
        const ssize_t got = recv(client, buffer, sizeof buffer, 0);
        if (got <= 0)
            return;
        head.append(buffer, static_cast<std::size_t>(got));
    }
    Request request = parseRequest(head.substr(0, head.find("\r\n\r\n")));
    Response response;
    {
        const std::lock_guard lock(mutex_);
        const auto found = routes_.find(request.path);
        response = found != routes_.end() ? found->second : Response::text("not found", 404);
        requests_.push_back(std::move(request));
    }

    switch (response.behaviour) {
    case Response::Behaviour::Answer:
        answer(client, response);
        break;
    case Response::Behaviour::NeverAnswer:
        // Until the client hangs up or the server stops.
        while (true) {
            pollfd fds[2] = {{client, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
            if (poll(fds, 2, -1) < 0 || fds[1].revents != 0 ||
                recv(client, buffer, sizeof buffer, 0) <= 0)
                break;
        }
        break;
    case Response::Behaviour::Close:
        break;
    }
}

void LocalHttpServer::answer(int client, const Response& response) {
    std::string head = "HTTP/1.1 " + std::to_string(response.status) + " " +
                       reasonPhrase(response.status) + "\r\nConnection: close\r\n";
    for (const auto& [name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    if (response.chunkedEncoding)
        head += "Transfer-Encoding: chunked\r\n";
    else
        head += "Content-Length: " +
                std::to_string(response.contentLength.value_or(response.body.size())) + "\r\n";
    head += "\r\n";
    if (!sendAll(client, head))
        return;

    const std::size_t piece = response.pieceSize == 0 ? response.body.size() : response.pieceSize;
    for (std::size_t sent = 0; sent < response.body.size(); sent += piece) {
        if (!pause(response.pieceDelay))
            return;
        std::string bytes = response.body.substr(sent, piece);
        if (response.chunkedEncoding)
            bytes = hex(bytes.size()) + "\r\n" + bytes + "\r\n";
        if (!sendAll(client, bytes))
            return;
    }
    if (response.chunkedEncoding)
        sendAll(client, "0\r\n\r\n");
}

bool LocalHttpServer::sendAll(int client, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        // Waits for room without blocking the server's shutdown.
        pollfd fds[2] = {{client, POLLOUT, 0}, {wakeRead_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 && errno != EINTR)
            return false;
        if (fds[1].revents != 0)
            return false;
        if (!(fds[0].revents & POLLOUT)) {
            if (fds[0].revents & (POLLERR | POLLHUP))
                return false;
            continue;
        }
        const ssize_t wrote =
            send(client, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (wrote < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (wrote <= 0)
            return false;
        sent += static_cast<std::size_t>(wrote);
    }
    return true;
}

bool LocalHttpServer::pause(std::chrono::milliseconds delay) {
    if (delay.count() <= 0)
        return !stopping_;
    pollfd wake{wakeRead_, POLLIN, 0};
    return poll(&wake, 1, static_cast<int>(delay.count())) == 0;
}
