#include "wmi/ip_address.h"

#include <gtest/gtest.h>

namespace crv {
namespace {

TEST(IpAddress, CountsSeparatorsWithoutOverlap) {
    EXPECT_EQ(Count_Separators("", ":"), -1);
    EXPECT_EQ(Count_Separators("abc", ":"), 0);
    EXPECT_EQ(Count_Separators(":::", "::"), 1);
    EXPECT_EQ(Count_Separators("1:2:3:4:5:6:7:8", ":"), 7);
}

TEST(IpAddress, TellsIPv4FromEverythingElse) {
    EXPECT_TRUE(Is_IPv4_Address("192.168.1.20"));
    EXPECT_TRUE(Is_IPv4_Address("0.0.0.0"));
    for (const char* text : {"256.1.1.1", "1.2.3", "1.2.3.4.5", "1..2.3", "a.b.c.d", "", "1.2.3.-4", "SERVER01"})
        EXPECT_FALSE(Is_IPv4_Address(text)) << text;
}

TEST(IpAddress, ExpandsCompressedAndFullIPv6) {
    EXPECT_EQ(Expand_IPv6_Address("fe80::1"), "fe80:0000:0000:0000:0000:0000:0000:0001");
    EXPECT_EQ(Expand_IPv6_Address("::"), "0000:0000:0000:0000:0000:0000:0000:0000");
    EXPECT_EQ(Expand_IPv6_Address("::1").substr(35), "0001");
    EXPECT_EQ(Expand_IPv6_Address("1::"), "0001:0000:0000:0000:0000:0000:0000:0000");
    EXPECT_EQ(Expand_IPv6_Address(" FE80::ABCD "), "fe80:0000:0000:0000:0000:0000:0000:abcd");
    EXPECT_EQ(Expand_IPv6_Address("1:2:3:4:5:6:7:8"), "0001:0002:0003:0004:0005:0006:0007:0008");
    EXPECT_EQ(Expand_IPv6_Address("1:2:3:4:5:6:7:"), "0001:0002:0003:0004:0005:0006:0007:0000");
    // The right side's groups overwrite what the left side put there.
    EXPECT_EQ(Expand_IPv6_Address("1:2:3:4:5:6::a:b:c:d:e:f"), "0001:0002:000a:000b:000c:000d:000e:000f");
}

TEST(IpAddress, RejectsWhatIsNoIPv6Address) {
    for (const char* text : {"1::2::3", "1:2:3:4:5:6:7", "fe80::xyz", "", "SERVER01", "192.168.1.20",
                             // Too long a group or too many groups is simply no address.
                             "12345::1", "1:2:3:4:5:6:7:8:9::"})
        EXPECT_EQ(Expand_IPv6_Address(text), "") << text;
    EXPECT_FALSE(Is_IPv6_Address("SERVER01"));
}

TEST(IpAddress, ValidAddressIsEitherForm) {
    EXPECT_TRUE(Is_Valid_IP_Address("10.0.0.1"));
    EXPECT_TRUE(Is_Valid_IP_Address("::1"));
    EXPECT_FALSE(Is_Valid_IP_Address("SERVER01"));
    EXPECT_FALSE(Is_Valid_IP_Address(""));
}

}  // namespace
}  // namespace crv
