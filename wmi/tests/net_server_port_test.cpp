// The browser port over the real NetServerEnum of the Wine prefix (which
// has no browse service) and the UTF-16 reader.
#include <gtest/gtest.h>

#include "wmi/win/net_server_port.h"

namespace crv {
namespace {

TEST(NetServerPort, WithoutABrowseServiceNothingIsFoundAndTheArraysStay) {
    std::vector<std::string> domains{"KEPT"};
    EXPECT_EQ(Enum_Domains(Net_Api_Server_Port(), domains), 0);
    EXPECT_EQ(domains, (std::vector<std::string>{"KEPT"}));
    std::vector<ServerEntry> servers;
    EXPECT_EQ(Enum_Servers(Net_Api_Server_Port(), "WORKGROUP", servers), 0);
    EXPECT_TRUE(servers.empty());
    NetServerEnumAnswer raw = Net_Api_Server_Port().Net_Server_Enum(101, Sv_Type_All, "");
    EXPECT_NE(raw.status, 0u);
    EXPECT_TRUE(raw.entries.empty());
}

TEST(NetServerPort, PointersToTextReadUpToTheirTerminator) {
    EXPECT_EQ(Ptr_To_String(nullptr), "");
    EXPECT_EQ(Ptr_To_String(L""), "");
    EXPECT_EQ(Ptr_To_String(L"Zo\u00EB-PC"), "Zo\xC3\xAB-PC");
    const wchar_t text[] = {L'P', L'C', 0, L'X', 0};
    EXPECT_EQ(Ptr_To_String(text), "PC");
}

}  // namespace
}  // namespace crv
