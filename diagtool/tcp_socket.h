#pragma once
// A small TCP client over Winsock that behaves like the socket control the
// port test was written against: Protocol, Close, Connect(host, port) and a
// State that moves from resolving and connecting to connected or error as the
// attempt goes on. Nothing blocks except the name look-up.
#include <winsock2.h>

#include <cstdint>
#include <string>

namespace crv::tessarine {

class Tcp_Socket_Control {
public:
    Tcp_Socket_Control();
    Tcp_Socket_Control(const Tcp_Socket_Control&) = delete;
    Tcp_Socket_Control& operator=(const Tcp_Socket_Control&) = delete;
    ~Tcp_Socket_Control();

    // 0 is TCP, the only protocol this control offers; anything else fails.
    bool Set_Protocol(std::int32_t protocol, std::string& error_text);
    void Close();
    // Starts the connection; false with error_text when the host cannot be
    // looked up or the attempt cannot start (the state is then 9, error).
    bool Connect(const std::string& host, std::int32_t port, std::string& error_text);
    // The current state; looks at a pending attempt without waiting.
    std::int32_t State();
    // The Winsock error of the last failed attempt, 0 when there was none.
    int Last_Error() const { return last_error_; }

private:
    bool started_ = false;
    SOCKET socket_ = INVALID_SOCKET;
    std::int32_t state_ = 0;
    int last_error_ = 0;
};

}  // namespace crv::tessarine
