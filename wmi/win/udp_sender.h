#pragma once
// The Wake-on-LAN sender over Winsock: one UDP socket per datagram, allowed
// to broadcast only when the target is a broadcast address.
#include <winsock2.h>

#include <cstdint>
#include <string>

#include "wmi/wake_on_lan.h"

namespace crv {

// A socket closed with closesocket.
class UniqueSocket {
public:
    UniqueSocket() = default;
    explicit UniqueSocket(SOCKET s) : s_(s) {}
    UniqueSocket(UniqueSocket&& o) noexcept : s_(o.s_) { o.s_ = INVALID_SOCKET; }
    UniqueSocket& operator=(UniqueSocket&& o) noexcept;
    UniqueSocket(const UniqueSocket&) = delete;
    UniqueSocket& operator=(const UniqueSocket&) = delete;
    ~UniqueSocket() { Reset(); }

    SOCKET Get() const { return s_; }
    explicit operator bool() const { return s_ != INVALID_SOCKET; }
    void Reset(SOCKET s = INVALID_SOCKET);

private:
    SOCKET s_ = INVALID_SOCKET;
};

// Winsock started for the life of the object (WSAStartup / WSACleanup).
class WinsockSession {
public:
    WinsockSession();
    ~WinsockSession();
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    bool Ok() const { return result_ == 0; }
    int Result() const { return result_; }

private:
    int result_;
};

// The error of a failed Winsock call (WSAGetLastError) in the sender's form:
// the code, the system's text for it and the sender's name as source.
WolError Winsock_Error(int code);

// A UDP socket ready to send, with SO_BROADCAST set when asked for; an
// empty socket with `error` filled when it cannot be made.
UniqueSocket Open_Datagram_Socket(bool broadcast, WolError& error);

class WinsockDatagramSender final : public DatagramSender {
public:
    bool Send_Datagram(const std::string& host, std::span<const std::uint8_t> bytes, bool broadcast,
                       WolError& error) override;

private:
    WinsockSession session_;
};

}  // namespace crv
