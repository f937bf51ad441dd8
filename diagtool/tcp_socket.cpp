#include "diagtool/tcp_socket.h"

#include <ws2tcpip.h>

#include "diagtool/diag_logic.h"
#include "diagtool/win_support.h"

namespace crv::tessarine {

Tcp_Socket_Control::Tcp_Socket_Control() {
    WSADATA data;
    started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

Tcp_Socket_Control::~Tcp_Socket_Control() {
    Close();
    if (started_) WSACleanup();
}

bool Tcp_Socket_Control::Set_Protocol(std::int32_t protocol, std::string& error_text) {
    if (protocol == 0) return true;
    error_text = Win32_Error_Text(WSAEPROTONOSUPPORT);
    return false;
}

void Tcp_Socket_Control::Close() {
    if (socket_ != INVALID_SOCKET) closesocket(socket_);
    socket_ = INVALID_SOCKET;
    state_ = Socket_Closed;
}

bool Tcp_Socket_Control::Connect(const std::string& host, std::int32_t port, std::string& error_text) {
    Close();
    last_error_ = 0;
    const auto fail = [&](int code) {
        Close();
        last_error_ = code;
        state_ = Socket_Error;
        error_text = Win32_Error_Text(static_cast<DWORD>(code));
        return false;
    };
    if (!started_) return fail(WSANOTINITIALISED);
    if (host.empty() || port <= 0 || port > 65535) return fail(WSAEINVAL);

    state_ = Socket_Resolving_Host;
    addrinfoW hints = {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfoW* found = nullptr;
    const std::wstring service = std::to_wstring(port);
    const int rc = GetAddrInfoW(Widen(host).c_str(), service.c_str(), &hints, &found);
    if (rc != 0 || !found) return fail(rc != 0 ? rc : WSAHOST_NOT_FOUND);
    state_ = Socket_Host_Resolved;

    socket_ = socket(found->ai_family, found->ai_socktype, found->ai_protocol);
    if (socket_ == INVALID_SOCKET) {
        const int code = WSAGetLastError();
        FreeAddrInfoW(found);
        return fail(code);
    }
    u_long non_blocking = 1;
    ioctlsocket(socket_, FIONBIO, &non_blocking);
    const int result = connect(socket_, found->ai_addr, static_cast<int>(found->ai_addrlen));
    const int code = result == 0 ? 0 : WSAGetLastError();
    FreeAddrInfoW(found);
    if (result == 0) {
        state_ = Socket_Connected;
        return true;
    }
    if (code != WSAEWOULDBLOCK && code != WSAEINPROGRESS) return fail(code);
    state_ = Socket_Connecting;
    return true;
}

std::int32_t Tcp_Socket_Control::State() {
    if (state_ != Socket_Connecting || socket_ == INVALID_SOCKET) return state_;
    fd_set writable, failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(socket_, &writable);
    FD_SET(socket_, &failed);
    timeval no_wait = {0, 0};
    if (select(0, nullptr, &writable, &failed, &no_wait) == SOCKET_ERROR) {
        last_error_ = WSAGetLastError();
        state_ = Socket_Error;
        return state_;
    }
    int error = 0;
    int size = sizeof error;
    if (FD_ISSET(socket_, &failed)) {
        getsockopt(socket_, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size);
        last_error_ = error ? error : WSAECONNREFUSED;
        state_ = Socket_Error;
    } else if (FD_ISSET(socket_, &writable)) {
        // Some stacks report a refused attempt as writable with an error set.
        getsockopt(socket_, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size);
        if (error != 0) {
            last_error_ = error;
            state_ = Socket_Error;
        } else {
            state_ = Socket_Connected;
        }
    }
    return state_;
}

}  // namespace crv::tessarine
