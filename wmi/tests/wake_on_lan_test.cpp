#include "wmi/wake_on_lan.h"

#include <gtest/gtest.h>

#include "core/error.h"

namespace crv {
namespace {

std::vector<std::uint8_t> Expected_Packet(std::initializer_list<std::uint8_t> mac) {
    std::vector<std::uint8_t> packet(6, 0xFF);
    for (int i = 0; i < 16; ++i) packet.insert(packet.end(), mac);
    return packet;
}

class WakeOnLanTest : public ::testing::Test {
protected:
    void SetUp() override { Clear_Error(); }
    void TearDown() override { Clear_Error(); }

    FakeDatagramSender sender;
    clsWOL wol;
};

TEST(WakeOnLanNormalisers, NicAddressForms) {
    EXPECT_EQ(Normalize_NIC_Address("00:1A:2B:3C:4D:5E"), "001A2B3C4D5E");
    EXPECT_EQ(Normalize_NIC_Address("00-1a-2b-3c-4d-5e"), "001A2B3C4D5E");
    EXPECT_EQ(Normalize_NIC_Address("001A.2B3C.4D5E"), "001A2B3C4D5E");
    EXPECT_EQ(Normalize_NIC_Address("  001a2b3c4d5e\t"), "001A2B3C4D5E");
    EXPECT_EQ(Normalize_NIC_Address("00:1A:2B:3C:4D:5"), "");       // 11 digits
    EXPECT_EQ(Normalize_NIC_Address("00:1A:2B:3C:4D:5E:6F"), "");  // 14 digits
    // Letters past F are dropped, not read as digits.
    EXPECT_EQ(Normalize_NIC_Address("G0:1A:2B:3C:4D:5E"), "");
    EXPECT_EQ(Normalize_NIC_Address(""), "");
}

TEST(WakeOnLanNormalisers, IpAddressForms) {
    EXPECT_EQ(Normalize_IP_Address(" 192.168.001.010 "), "192.168.1.10");
    EXPECT_EQ(Normalize_IP_Address("0.0.0.0"), "0.0.0.0");
    EXPECT_EQ(Normalize_IP_Address("255.255.255.255"), "255.255.255.255");
    EXPECT_EQ(Normalize_IP_Address("10.0.0.256"), "");
    EXPECT_EQ(Normalize_IP_Address("255.255.0"), "");
    EXPECT_EQ(Normalize_IP_Address("1.2.3.4.5"), "");
    EXPECT_EQ(Normalize_IP_Address("1..3.4"), "");
    EXPECT_EQ(Normalize_IP_Address("1.2.3."), "");
    EXPECT_EQ(Normalize_IP_Address(""), "");
    EXPECT_EQ(Normalize_IP_Address("1.2.3.99999999999999999999"), "");  // no overflow into a small value
    EXPECT_EQ(Normalize_IP_Address("0000000001.2.3.4"), "1.2.3.4");
}

TEST(WakeOnLanNormalisers, BroadcastAddress) {
    EXPECT_EQ(Get_Broadcast_Address("192.168.1.10", "255.255.255.0"), "192.168.1.255");
    EXPECT_EQ(Get_Broadcast_Address("10.1.2.3", "255.255.0.0"), "10.1.255.255");
    EXPECT_EQ(Get_Broadcast_Address("127.0.0.1", "255.255.255.255"), "127.0.0.1");
    EXPECT_EQ(Get_Broadcast_Address("", ""), "255.255.255.255");
    EXPECT_EQ(Get_Broadcast_Address("10.1.2.3", ""), "255.255.255.255");
    EXPECT_EQ(Get_Broadcast_Address("", "255.255.0.0"), "255.255.255.255");
    EXPECT_EQ(Get_Broadcast_Address("10.1.2.3", "255.255.0"), "255.255.255.255");
}

TEST(WakeOnLanNormalisers, MagicPacketLayout) {
    const auto packet = Magic_Packet(NIC_Address_To_Bytes("001A2B3C4D5E"));
    EXPECT_EQ(std::vector<std::uint8_t>(packet.begin(), packet.end()),
              Expected_Packet({0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}));
    const auto high = NIC_Address_To_Bytes("FFEE0A09B0C1");
    EXPECT_EQ(high, (std::array<std::uint8_t, 6>{0xFF, 0xEE, 0x0A, 0x09, 0xB0, 0xC1}));
}

TEST_F(WakeOnLanTest, SettersStoreTheNormalForm) {
    EXPECT_TRUE(wol.NICAddress("00:1A:2B:3C:4D:5E"));
    EXPECT_EQ(wol.NICAddress(), "001A2B3C4D5E");
    EXPECT_TRUE(wol.IPSubnetAddress(" 192.168.001.010 "));
    EXPECT_EQ(wol.IPSubnetAddress(), "192.168.1.10");
    EXPECT_TRUE(wol.IPSubnetMask("255.255.255.000"));
    EXPECT_EQ(wol.IPSubnetMask(), "255.255.255.0");
    EXPECT_FALSE(wol.Last_Error().Failed());
    EXPECT_TRUE(Pending_Error().empty());
}

TEST_F(WakeOnLanTest, SetterErrorsEmptyTheMember) {
    ASSERT_TRUE(wol.NICAddress("001A2B3C4D5E"));
    EXPECT_FALSE(wol.NICAddress("00:1A:2B:3C:4D:5"));
    EXPECT_EQ(wol.NICAddress(), "");
    EXPECT_EQ(wol.Last_Error().number, -2147219503);
    EXPECT_EQ(wol.Last_Error().description, "Invalid Nic Address");
    EXPECT_EQ(wol.Last_Error().source, "CMagicPacket.NicAddress(Let)");
    EXPECT_EQ(Pending_Error().number, -2147219503);
    EXPECT_EQ(Pending_Error().description, "Invalid Nic Address");

    EXPECT_FALSE(wol.IPSubnetAddress("10.0.0.256"));
    EXPECT_EQ(wol.IPSubnetAddress(), "");
    EXPECT_EQ(wol.Last_Error().number, -2147219502);
    EXPECT_EQ(wol.Last_Error().description, "Invalid IP Subnet Address");
    EXPECT_EQ(wol.Last_Error().source, "CMagicPacket.IPSubnetAddress(LET)");

    EXPECT_FALSE(wol.IPSubnetMask("255.255.0"));
    EXPECT_EQ(wol.IPSubnetMask(), "");
    EXPECT_EQ(wol.Last_Error().number, -2147219501);
    EXPECT_EQ(wol.Last_Error().description, "Invalid IP Subnet Address");
    EXPECT_EQ(wol.Last_Error().source, "CMagicPacket.IPSubnetMask(LET)");

    // An empty text is refused like any other non-address.
    EXPECT_FALSE(wol.NICAddress(""));
    EXPECT_EQ(wol.Last_Error().number, Wol_E_Invalid_Nic_Address);
}

TEST_F(WakeOnLanTest, NoControlIsRefusedAndThePreviousKept) {
    EXPECT_FALSE(wol.WinsockControl(nullptr));
    EXPECT_EQ(wol.Last_Error().number, -2147219499);
    EXPECT_EQ(wol.Last_Error().description,
              "An attempt was made to set the WinsockControl property to an uninitialized control");
    EXPECT_EQ(wol.Last_Error().source, "CMagicPacket.WinsockControl(LET)");

    ASSERT_TRUE(wol.WinsockControl(&sender));
    EXPECT_FALSE(wol.WinsockControl(nullptr));
    ASSERT_TRUE(wol.NICAddress("001A2B3C4D5E"));
    EXPECT_TRUE(wol.WakeUp());
    EXPECT_EQ(sender.sent.size(), 1u);  // still the sender set before
}

TEST_F(WakeOnLanTest, WakeUpWithoutAddressOrControl) {
    // A refused NIC address leaves nothing to send, even with a sender set.
    ASSERT_TRUE(wol.WinsockControl(&sender));
    EXPECT_FALSE(wol.NICAddress("00:1A:2B:3C:4D"));
    EXPECT_FALSE(wol.WakeUp());
    EXPECT_EQ(wol.Last_Error().number, Wol_E_Invalid_Nic_Address);
    EXPECT_EQ(wol.Last_Error().description, "The NICAddress property does not contain a valid NIC address");
    EXPECT_EQ(wol.Last_Error().source, "CMagicPacket.Wakeup() <Raised From CMagicPacket.WakeUp()>");
    EXPECT_EQ(Pending_Error().number, Wol_E_Invalid_Nic_Address);
    EXPECT_TRUE(sender.sent.empty());

    // The NIC address is tested before the control.
    clsWOL bare;
    EXPECT_FALSE(bare.WakeUp());
    EXPECT_EQ(bare.Last_Error().number, Wol_E_Invalid_Nic_Address);
    ASSERT_TRUE(bare.NICAddress("001A2B3C4D5E"));
    EXPECT_FALSE(bare.WakeUp());
    EXPECT_EQ(bare.Last_Error().number, Wol_E_No_Control);
    EXPECT_EQ(bare.Last_Error().description,
              "The WinsockCtrl property has not been set to a valid MS-Winsock control");
    EXPECT_EQ(bare.Last_Error().source, "CMagicPacket.Wakeup() <Raised From CMagicPacket.WakeUp()>");
}

TEST_F(WakeOnLanTest, DefaultGoesToTheLimitedBroadcastOnPortNine) {
    ASSERT_TRUE(wol.WinsockControl(&sender));
    ASSERT_TRUE(wol.NICAddress("00-1a-2b-3c-4d-5e"));
    EXPECT_TRUE(wol.WakeUp());
    ASSERT_EQ(sender.sent.size(), 1u);
    EXPECT_EQ(sender.sent[0].host, "255.255.255.255");
    EXPECT_EQ(sender.sent[0].port, Wake_On_Lan_Port);
    EXPECT_EQ(Wake_On_Lan_Port, 9);
    EXPECT_TRUE(sender.sent[0].broadcast);
    EXPECT_EQ(sender.sent[0].bytes, Expected_Packet({0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}));
    EXPECT_EQ(sender.sent[0].bytes.size(), 102u);
    EXPECT_EQ(wol.IPSubnetAddress(), "255.255.255.255");  // the address actually used
}

TEST_F(WakeOnLanTest, SubnetDecidesTheTargetAndTheBroadcastFlag) {
    ASSERT_TRUE(wol.WinsockControl(&sender));
    ASSERT_TRUE(wol.NICAddress("001A2B3C4D5E"));
    ASSERT_TRUE(wol.IPSubnetAddress("10.1.2.3"));
    ASSERT_TRUE(wol.IPSubnetMask("255.255.0.0"));
    EXPECT_TRUE(wol.WakeUp());
    // A subnet address whose host bits are already set is still a broadcast.
    ASSERT_TRUE(wol.IPSubnetAddress("10.1.255.255"));
    EXPECT_TRUE(wol.WakeUp());
    // A full mask addresses one host: no broadcast permission is asked for.
    ASSERT_TRUE(wol.IPSubnetAddress("127.0.0.1"));
    ASSERT_TRUE(wol.IPSubnetMask("255.255.255.255"));
    EXPECT_TRUE(wol.WakeUp());
    ASSERT_EQ(sender.sent.size(), 3u);
    EXPECT_EQ(sender.sent[0].host, "10.1.255.255");
    EXPECT_TRUE(sender.sent[0].broadcast);
    EXPECT_EQ(sender.sent[1].host, "10.1.255.255");
    EXPECT_TRUE(sender.sent[1].broadcast);
    EXPECT_EQ(sender.sent[2].host, "127.0.0.1");
    EXPECT_FALSE(sender.sent[2].broadcast);
    EXPECT_EQ(wol.IPSubnetAddress(), "127.0.0.1");
}

TEST_F(WakeOnLanTest, SenderErrorsCarryBothSuffixes) {
    sender.fail_with = {10051, "Network is unreachable", "sckWOL"};
    sender.Set_Remote_Port(4000);
    ASSERT_TRUE(wol.WinsockControl(&sender));
    ASSERT_TRUE(wol.NICAddress("001A2B3C4D5E"));
    EXPECT_FALSE(wol.WakeUp());
    EXPECT_EQ(wol.Last_Error().number, 10051);
    EXPECT_EQ(wol.Last_Error().description, "Network is unreachable");
    EXPECT_EQ(wol.Last_Error().source,
              "sckWOL <Raised From CMagicPacket.SendMagicPacketTo()> <Raised From CMagicPacket.WakeUp()>");
    EXPECT_EQ(Pending_Error().number, 10051);
    EXPECT_TRUE(sender.sent.empty());

    // The next attempt through a working sender goes to the sender's own port.
    sender.fail_with = {};
    EXPECT_TRUE(wol.WakeUp());
    ASSERT_EQ(sender.sent.size(), 1u);
    EXPECT_EQ(sender.sent[0].port, 4000);
}

}  // namespace
}  // namespace crv
