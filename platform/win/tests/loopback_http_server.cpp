#include "platform/win/tests/loopback_http_server.h"

#include <ws2tcpip.h>

namespace crv::test {

namespace {
const char* Reason(int status) {
    switch (status) {
        case 200: return "OK";
        case 404: return "Not Found";
        case 500: return "Internal Server Error";
        default: return "Status";
    }
}

sockaddr_in Loopback(int port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<u_short>(port));
    return a;
}

int Bound_Port(SOCKET s) {
    sockaddr_in a{};
    int len = sizeof a;
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    return ntohs(a.sin_port);
}
}  // namespace

LoopbackHttpServer::LoopbackHttpServer() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in a = Loopback(0);
    if (bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && listen(listener_, 16) == 0)
        port_ = Bound_Port(listener_);
    thread_ = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    closesocket(listener_);
    if (thread_.joinable()) thread_.join();
    for (SOCKET s : held_) closesocket(s);
    WSACleanup();
}

std::string LoopbackHttpServer::Address() const { return "http://127.0.0.1:" + std::to_string(port_); }

void LoopbackHttpServer::Answer(int status, std::string body) {
    std::lock_guard<std::mutex> g(lock_);
    const std::size_t length = body.size();
    replies_ = {Reply{status, std::move(body), length}};
    answered_ = 0;
    stall_ = false;
}

void LoopbackHttpServer::Then_Answer(int status, std::string body) {
    std::lock_guard<std::mutex> g(lock_);
    const std::size_t length = body.size();
    replies_.push_back(Reply{status, std::move(body), length});
}

void LoopbackHttpServer::Answer_Cut_Short(std::string body, std::size_t length) {
    std::lock_guard<std::mutex> g(lock_);
    replies_ = {Reply{200, std::move(body), length}};
    answered_ = 0;
    stall_ = false;
}

void LoopbackHttpServer::Stall() {
    std::lock_guard<std::mutex> g(lock_);
    stall_ = true;
}

std::vector<std::string> LoopbackHttpServer::Request_Lines() {
    std::lock_guard<std::mutex> g(lock_);
    return lines_;
}

int LoopbackHttpServer::Closed_Port() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in a = Loopback(0);
    bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    const int port = Bound_Port(s);
    closesocket(s);
    WSACleanup();
    return port;
}

void LoopbackHttpServer::Serve() {
    for (;;) {
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) return;
        Handle(client);
    }
}

void LoopbackHttpServer::Handle(SOCKET client) {
    std::string request;
    char buffer[2048];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        const int n = recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    std::string reply;
    {
        std::lock_guard<std::mutex> g(lock_);
        lines_.push_back(request.substr(0, request.find("\r\n")));
        if (stall_) {
            held_.push_back(client);
            return;
        }
        const Reply& r = replies_[answered_ < replies_.size() ? answered_ : replies_.size() - 1];
        ++answered_;
        reply = "HTTP/1.1 " + std::to_string(r.status) + " " + Reason(r.status) +
                "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(r.length) +
                "\r\nConnection: close\r\n\r\n" + r.body;
    }
    // A client that stops reading (a body longer than it takes) must not
    // hold the server: sending gives up after two seconds.
    DWORD send_ms = 2000;
    setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&send_ms), sizeof send_ms);
    std::size_t sent = 0;
    while (sent < reply.size()) {
        const int n = send(client, reply.data() + sent, static_cast<int>(reply.size() - sent), 0);
        if (n <= 0) break;
        sent += static_cast<std::size_t>(n);
    }
    shutdown(client, SD_SEND);
    // Let the client read to the end before the socket goes (a client that
    // keeps it open is given two seconds).
    DWORD wait_ms = 2000;
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&wait_ms), sizeof wait_ms);
    while (recv(client, buffer, sizeof buffer, 0) > 0) {
    }
    closesocket(client);
}

}  // namespace crv::test
