#pragma once
// A small HTTP server that a test runs on 127.0.0.1, on a port the system
// picks, standing in for the maker's web server. It records the request line
// of every request and answers each with what the test set last: a status
// and a body, a body cut short of its Content-Length, or silence (accepts,
// reads the request and never answers until the server is destroyed).
#include <winsock2.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace crv::test {

class LoopbackHttpServer {
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // "http://127.0.0.1:<port>"
    std::string Address() const;
    void Answer(int status, std::string body);
    // Then, from the next request on, answers this instead.
    void Then_Answer(int status, std::string body);
    // Content-Length says `length`, then `body` and the connection closes.
    void Answer_Cut_Short(std::string body, std::size_t length);
    void Stall();
    std::vector<std::string> Request_Lines();

    // A loopback port that nothing listens on (bound, then closed).
    static int Closed_Port();

private:
    void Serve();
    void Handle(SOCKET client);

    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::thread thread_;
    std::mutex lock_;
    struct Reply {
        int status = 200;
        std::string body;
        std::size_t length = 0;
    };
    std::vector<Reply> replies_{Reply{}};  // one per request; the last repeats
    std::size_t answered_ = 0;
    bool stall_ = false;
    std::vector<std::string> lines_;
    std::vector<SOCKET> held_;  // stalled clients, closed on destruction
};

}  // namespace crv::test
