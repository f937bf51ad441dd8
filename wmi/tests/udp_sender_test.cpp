#include "wmi/win/udp_sender.h"

#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/error.h"

namespace crv {
namespace {

// Passes on only what goes to 127.0.0.1; anything else fails the test and
// is never sent.
class LoopbackOnly final : public DatagramSender {
public:
    explicit LoopbackOnly(WinsockDatagramSender& real) : real_(real) {}
    bool Send_Datagram(const std::string& host, std::span<const std::uint8_t> bytes, bool broadcast,
                       WolError& error) override {
        if (host != "127.0.0.1" || broadcast) {
            ADD_FAILURE() << "refused a datagram to " << host;
            error = {1, "refused", "test"};
            return false;
        }
        real_.Set_Remote_Port(Remote_Port());
        return real_.Send_Datagram(host, bytes, broadcast, error);
    }

private:
    WinsockDatagramSender& real_;
};

// A UDP socket bound to an ephemeral port of 127.0.0.1.
struct Receiver {
    WinsockSession session;
    UniqueSocket socket;
    std::uint16_t port = 0;

    Receiver() {
        socket.Reset(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_port = 0;
        inet_pton(AF_INET, "127.0.0.1", &at.sin_addr);
        if (!socket || bind(socket.Get(), reinterpret_cast<sockaddr*>(&at), sizeof at) != 0) return;
        int size = sizeof at;
        if (getsockname(socket.Get(), reinterpret_cast<sockaddr*>(&at), &size) == 0) port = ntohs(at.sin_port);
    }

    // The next datagram within the wait, or nothing.
    std::optional<std::vector<std::uint8_t>> Receive(int milliseconds) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(socket.Get(), &ready);
        timeval wait{milliseconds / 1000, (milliseconds % 1000) * 1000};
        if (select(0, &ready, nullptr, nullptr, &wait) != 1) return std::nullopt;
        std::vector<std::uint8_t> buffer(2048);
        int n = recv(socket.Get(), reinterpret_cast<char*>(buffer.data()), static_cast<int>(buffer.size()), 0);
        if (n < 0) return std::nullopt;
        buffer.resize(static_cast<std::size_t>(n));
        return buffer;
    }
};

TEST(WinsockDatagramSender, MagicPacketReachesALoopbackReceiver) {
    Receiver receiver;
    ASSERT_TRUE(receiver.session.Ok());
    ASSERT_NE(receiver.port, 0);

    WinsockDatagramSender real;
    LoopbackOnly sender(real);
    sender.Set_Remote_Port(receiver.port);
    clsWOL wol;
    ASSERT_TRUE(wol.WinsockControl(&sender));
    ASSERT_TRUE(wol.IPSubnetAddress("127.0.0.1"));
    ASSERT_TRUE(wol.IPSubnetMask("255.255.255.255"));
    ASSERT_TRUE(wol.NICAddress("00:1A:2B:3C:4D:5E"));
    ASSERT_TRUE(wol.WakeUp()) << wol.Last_Error().description;

    auto got = receiver.Receive(5000);
    ASSERT_TRUE(got.has_value());
    ASSERT_EQ(got->size(), 102u);
    const auto expected = Magic_Packet({0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E});
    EXPECT_EQ(*got, std::vector<std::uint8_t>(expected.begin(), expected.end()));
    EXPECT_FALSE(receiver.Receive(200).has_value());  // one WakeUp, one datagram
}

TEST(WinsockDatagramSender, BroadcastPermissionOnlyWhenAskedFor) {
    WinsockSession session;
    ASSERT_TRUE(session.Ok());
    for (bool broadcast : {true, false}) {
        WolError error;
        UniqueSocket s = Open_Datagram_Socket(broadcast, error);
        ASSERT_TRUE(s) << error.description;
        BOOL value = !broadcast;
        int size = sizeof value;
        ASSERT_EQ(getsockopt(s.Get(), SOL_SOCKET, SO_BROADCAST, reinterpret_cast<char*>(&value), &size), 0);
        EXPECT_EQ(value != FALSE, broadcast);
    }
}

TEST(WinsockDatagramSender, NamesAreRefusedWithoutALookUp) {
    WinsockDatagramSender sender;
    const std::uint8_t bytes[3] = {1, 2, 3};
    WolError error;
    EXPECT_FALSE(sender.Send_Datagram("localhost", bytes, false, error));
    EXPECT_EQ(error.number, WSAEDESTADDRREQ);
    EXPECT_EQ(error.source, "sckWOL");
    EXPECT_NE(error.description.find("localhost"), std::string::npos);
}

}  // namespace
}  // namespace crv
