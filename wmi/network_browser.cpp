#include "wmi/network_browser.h"

#include <algorithm>

namespace crv {

namespace {
// The records a call delivered, or nothing when its status carries none.
// NetServerEnum writes its entries-read count even for a failure; only
// success and "more data" have records behind it.
bool Delivers(const NetServerEnumAnswer& answer) {
    return (answer.status == Net_Status_Success || answer.status == Net_Status_More_Data) && answer.entries_read > 0;
}
std::int32_t Count_Of(const NetServerEnumAnswer& answer) {
    return static_cast<std::int32_t>(std::min<std::uint32_t>(answer.entries_read, INT32_MAX));
}
std::size_t Usable(const NetServerEnumAnswer& answer) {
    return std::min<std::size_t>(answer.entries.size(), answer.entries_read);
}
}  // namespace

std::int32_t Enum_Domains(NetServerPort& port, std::vector<std::string>& domains) {
    NetServerEnumAnswer answer = port.Net_Server_Enum(100, Sv_Type_Domain_Enum, "");
    if (!Delivers(answer)) return 0;
    if (Usable(answer) > 0) {
        domains.clear();
        domains.reserve(Usable(answer));
        for (std::size_t i = 0; i < Usable(answer); ++i) domains.push_back(std::move(answer.entries[i].name));
    }
    return Count_Of(answer);
}

std::int32_t Enum_Servers(NetServerPort& port, const std::string& domain, std::vector<ServerEntry>& servers) {
    NetServerEnumAnswer answer = port.Net_Server_Enum(101, Sv_Type_All, domain);
    if (!Delivers(answer)) return 0;
    if (Usable(answer) > 0) {
        answer.entries.resize(Usable(answer));
        servers = std::move(answer.entries);
    }
    return Count_Of(answer);
}

NetServerEnumAnswer FakeNetServerPort::Net_Server_Enum(std::uint32_t level, std::uint32_t server_type,
                                                       const std::string& domain) {
    calls.push_back({level, server_type, domain});
    if (level == 100) return domains;
    for (const auto& [name, answer] : servers)
        if (name == domain) return answer;
    NetServerEnumAnswer none;
    none.status = 2184;
    return none;
}

NetServerEnumAnswer FakeNetServerPort::Names(const std::vector<std::string>& names) {
    NetServerEnumAnswer answer;
    for (const auto& n : names) {
        ServerEntry e;
        e.name = n;
        e.platform_id = 500;
        answer.entries.push_back(std::move(e));
    }
    answer.entries_read = static_cast<std::uint32_t>(answer.entries.size());
    return answer;
}

NetServerEnumAnswer FakeNetServerPort::Records(std::vector<ServerEntry> records) {
    NetServerEnumAnswer answer;
    answer.entries_read = static_cast<std::uint32_t>(records.size());
    answer.entries = std::move(records);
    return answer;
}

}  // namespace crv
