// The network browser's status handling, over the fake port.
#include <gtest/gtest.h>

#include "wmi/network_browser.h"

namespace crv {
namespace {

ServerEntry Server(const std::string& name, std::uint32_t type, const std::string& comment = "") {
    ServerEntry e;
    e.name = name;
    e.platform_id = 500;
    e.server_type = type;
    e.major_version = 10;
    e.minor_version = 0;
    e.comment = comment;
    return e;
}

TEST(NetworkBrowser, DomainsComeInTheOrderReturnedFromOneLevel100Call) {
    FakeNetServerPort port;
    port.domains = FakeNetServerPort::Names({"WORKGROUP", "CORP"});
    std::vector<std::string> domains{"stale"};
    EXPECT_EQ(Enum_Domains(port, domains), 2);
    EXPECT_EQ(domains, (std::vector<std::string>{"WORKGROUP", "CORP"}));
    ASSERT_EQ(port.calls.size(), 1u);
    EXPECT_EQ(port.calls[0].level, 100u);
    EXPECT_EQ(port.calls[0].server_type, Sv_Type_Domain_Enum);
    EXPECT_EQ(port.calls[0].domain, "");
}

TEST(NetworkBrowser, AFailedCallLeavesTheArrayAndGivesNothingWhateverItReported) {
    FakeNetServerPort port;
    port.domains.status = 6118;  // no browser servers found
    port.domains.entries_read = 3;  // written anyway: not to be believed
    std::vector<std::string> domains{"KEPT"};
    EXPECT_EQ(Enum_Domains(port, domains), 0);
    EXPECT_EQ(domains, (std::vector<std::string>{"KEPT"}));

    port.domains = FakeNetServerPort::Names({});
    EXPECT_EQ(Enum_Domains(port, domains), 0);  // success with nothing read
    EXPECT_EQ(domains, (std::vector<std::string>{"KEPT"}));

    std::vector<ServerEntry> servers{Server("OLD", 1)};
    EXPECT_EQ(Enum_Servers(port, "NOWHERE", servers), 0);  // the fake's 2184
    ASSERT_EQ(servers.size(), 1u);
    EXPECT_EQ(servers[0].name, "OLD");
}

TEST(NetworkBrowser, MoreDataDeliversTheEntriesThatWereRead) {
    FakeNetServerPort port;
    NetServerEnumAnswer partial = FakeNetServerPort::Records({Server("PC1", 3), Server("PC2", 0x1003, "Lab")});
    partial.status = Net_Status_More_Data;
    port.servers = {{"CORP", partial}};
    std::vector<ServerEntry> servers;
    EXPECT_EQ(Enum_Servers(port, "CORP", servers), 2);
    ASSERT_EQ(servers.size(), 2u);
    EXPECT_EQ(servers[1].name, "PC2");
    EXPECT_EQ(servers[1].server_type, 0x1003u);
    EXPECT_EQ(servers[1].major_version, 10u);
    EXPECT_EQ(servers[1].comment, "Lab");
    EXPECT_EQ(servers[0].comment, "");
    EXPECT_EQ(port.calls.back().level, 101u);
    EXPECT_EQ(port.calls.back().server_type, Sv_Type_All);
    EXPECT_EQ(port.calls.back().domain, "CORP");
}

TEST(NetworkBrowser, ACountWithoutNamesIsReportedAndNoRecordBeyondTheCountIsRead) {
    FakeNetServerPort port;
    port.domains.status = 0;
    port.domains.entries_read = 2;  // reported, but no buffer came with it
    std::vector<std::string> domains{"KEPT"};
    EXPECT_EQ(Enum_Domains(port, domains), 2);
    EXPECT_EQ(domains, (std::vector<std::string>{"KEPT"}));

    // More records than the count: only the counted ones are taken.
    port.domains = FakeNetServerPort::Names({"A", "B", "C"});
    port.domains.entries_read = 2;
    EXPECT_EQ(Enum_Domains(port, domains), 2);
    EXPECT_EQ(domains, (std::vector<std::string>{"A", "B"}));
}

}  // namespace
}  // namespace crv
