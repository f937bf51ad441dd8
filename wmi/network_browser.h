#pragma once
// The network browser: the domains (and workgroups) the browse service knows
// and the computers of one domain. The one platform call it needs,
// NetServerEnum, sits behind NetServerPort: the Windows port is in
// wmi/win/net_server_port.h, FakeNetServerPort answers in tests.
#include <cstdint>
#include <string>
#include <vector>

namespace crv {

// Server type bits of the enumeration.
inline constexpr std::uint32_t Sv_Type_All = 0xFFFFFFFFu;
inline constexpr std::uint32_t Sv_Type_Domain_Enum = 0x80000000u;
// The statuses that deliver entries: success, and more data than was sent.
inline constexpr std::uint32_t Net_Status_Success = 0;
inline constexpr std::uint32_t Net_Status_More_Data = 234;

// One record of the enumeration. Level 100 fills platform_id and name only.
struct ServerEntry {
    std::string name;
    std::uint32_t platform_id = 0;
    std::uint32_t server_type = 0;
    std::uint32_t major_version = 0;
    std::uint32_t minor_version = 0;
    std::string comment;
};

// What one NetServerEnum call answered: its status, the entries-read count
// it reported, and the records it delivered (at most that many).
struct NetServerEnumAnswer {
    std::uint32_t status = 0;
    std::uint32_t entries_read = 0;
    std::vector<ServerEntry> entries;
};

class NetServerPort {
public:
    virtual ~NetServerPort() = default;
    // One call on the local computer's browser: level 100 or 101, the server
    // type bits, the domain ("" for the primary domain).
    virtual NetServerEnumAnswer Net_Server_Enum(std::uint32_t level, std::uint32_t server_type,
                                                const std::string& domain) = 0;
};

// The names of the network's domains, in the order returned, into domains,
// and their count. A failed call leaves domains as it was and gives 0; so
// does a call that read nothing. Success and "more data" deliver what was
// read. The count is the reported one, even when fewer names came with it.
std::int32_t Enum_Domains(NetServerPort& port, std::vector<std::string>& domains);
// The computers of one domain (every server type), as Enum_Domains does.
std::int32_t Enum_Servers(NetServerPort& port, const std::string& domain, std::vector<ServerEntry>& servers);

// Answers from tables the test fills; records every call.
class FakeNetServerPort final : public NetServerPort {
public:
    struct Call {
        std::uint32_t level;
        std::uint32_t server_type;
        std::string domain;
    };
    // The domain enumeration's answer, and each domain's computers (by the
    // domain's exact name; a domain not listed answers status 2184, the
    // browse service's "no list").
    NetServerEnumAnswer domains;
    std::vector<std::pair<std::string, NetServerEnumAnswer>> servers;
    std::vector<Call> calls;

    NetServerEnumAnswer Net_Server_Enum(std::uint32_t level, std::uint32_t server_type,
                                        const std::string& domain) override;

    // Builds a successful answer from names (level 100) or records.
    static NetServerEnumAnswer Names(const std::vector<std::string>& names);
    static NetServerEnumAnswer Records(std::vector<ServerEntry> records);
};

}  // namespace crv
