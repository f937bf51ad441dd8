#include "wmi/win/udp_sender.h"

#include <ws2tcpip.h>

#include <utility>

#include "platform/win/com.h"

namespace crv {
namespace {

// The source a socket error is raised from, as the control it stands for.
constexpr const char* Sender_Source = "sckWOL";

}  // namespace

UniqueSocket& UniqueSocket::operator=(UniqueSocket&& o) noexcept {
    if (this != &o) Reset(std::exchange(o.s_, INVALID_SOCKET));
    return *this;
}

void UniqueSocket::Reset(SOCKET s) {
    if (s_ != INVALID_SOCKET) closesocket(s_);
    s_ = s;
}

WinsockSession::WinsockSession() {
    WSADATA data;
    result_ = WSAStartup(MAKEWORD(2, 2), &data);
}

WinsockSession::~WinsockSession() {
    if (result_ == 0) WSACleanup();
}

WolError Winsock_Error(int code) {
    if (code == 0) code = WSAEINVAL;  // a failure always carries a number
    std::string text = System_Error_Text(static_cast<std::uint32_t>(code));
    if (text.empty()) text = "Winsock error " + std::to_string(code);
    return {code, std::move(text), Sender_Source};
}

UniqueSocket Open_Datagram_Socket(bool broadcast, WolError& error) {
    UniqueSocket s(socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    if (!s) {
        error = Winsock_Error(WSAGetLastError());
        return s;
    }
    if (broadcast) {
        BOOL on = TRUE;
        if (setsockopt(s.Get(), SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&on), sizeof on) != 0) {
            error = Winsock_Error(WSAGetLastError());
            s.Reset();
        }
    }
    return s;
}

bool WinsockDatagramSender::Send_Datagram(const std::string& host, std::span<const std::uint8_t> bytes,
                                          bool broadcast, WolError& error) {
    if (!session_.Ok()) {
        error = Winsock_Error(session_.Result());
        return false;
    }
    // Only a dotted address is taken: the sender never looks a name up.
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(Remote_Port());
    if (inet_pton(AF_INET, host.c_str(), &to.sin_addr) != 1) {
        error = Winsock_Error(WSAEDESTADDRREQ);
        error.description = "Invalid remote address '" + host + "'";
        return false;
    }
    UniqueSocket s = Open_Datagram_Socket(broadcast, error);
    if (!s) return false;
    const int sent = sendto(s.Get(), reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), 0,
                            reinterpret_cast<const sockaddr*>(&to), sizeof to);
    if (sent == SOCKET_ERROR) {
        error = Winsock_Error(WSAGetLastError());
        return false;
    }
    if (static_cast<std::size_t>(sent) != bytes.size()) {
        error = Winsock_Error(WSAEMSGSIZE);
        return false;
    }
    return true;
}

}  // namespace crv
