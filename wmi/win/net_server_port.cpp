#include "wmi/win/net_server_port.h"

#include <windows.h>
#include <lm.h>

#include <cwchar>
#include <string_view>

#include "core/utf.h"

namespace crv {

namespace {

// Frees what NetServerEnum allocated; only a buffer it really handed over.
struct NetBuffer {
    LPBYTE data = nullptr;
    ~NetBuffer() {
        if (data) NetApiBufferFree(data);
    }
};

ServerEntry Entry_Of(const SERVER_INFO_100& info) {
    ServerEntry e;
    e.platform_id = info.sv100_platform_id;
    e.name = Ptr_To_String(info.sv100_name);
    return e;
}

ServerEntry Entry_Of(const SERVER_INFO_101& info) {
    ServerEntry e;
    e.name = Ptr_To_String(info.sv101_name);
    e.platform_id = info.sv101_platform_id;
    e.server_type = info.sv101_type;
    e.major_version = info.sv101_version_major;
    e.minor_version = info.sv101_version_minor;
    e.comment = Ptr_To_String(info.sv101_comment);
    return e;
}

// The records as the platform's own structures lay them out (their size and
// pointer width are those of this build), never by byte offsets.
template <class Info>
void Read_Records(const NetBuffer& buffer, DWORD count, std::vector<ServerEntry>& out) {
    if (!buffer.data) return;
    const auto* records = reinterpret_cast<const Info*>(buffer.data);
    out.reserve(count);
    for (DWORD i = 0; i < count; ++i) out.push_back(Entry_Of(records[i]));
}

class NetApiServerPort final : public NetServerPort {
public:
    NetServerEnumAnswer Net_Server_Enum(std::uint32_t level, std::uint32_t server_type,
                                        const std::string& domain) override {
        const std::u16string wide_domain = Utf8_To_Utf16(domain);
        // The call may write none of these (Wine answers 6118 and leaves them).
        NetBuffer buffer;
        DWORD entries_read = 0;
        DWORD total_entries = 0;
        DWORD resume = 0;
        const NET_API_STATUS status = NetServerEnum(
            nullptr, level, &buffer.data, MAX_PREFERRED_LENGTH, &entries_read, &total_entries, server_type,
            domain.empty() ? nullptr : reinterpret_cast<LPCWSTR>(wide_domain.c_str()), &resume);
        NetServerEnumAnswer answer;
        answer.status = status;
        answer.entries_read = entries_read;
        if (status == NERR_Success || status == ERROR_MORE_DATA) {
            if (level == 100)
                Read_Records<SERVER_INFO_100>(buffer, entries_read, answer.entries);
            else if (level == 101)
                Read_Records<SERVER_INFO_101>(buffer, entries_read, answer.entries);
        }
        return answer;
    }
};

}  // namespace

std::string Ptr_To_String(const wchar_t* text) {
    if (!text) return {};
    return Utf16_To_Utf8(std::u16string_view(reinterpret_cast<const char16_t*>(text), std::wcslen(text)));
}

NetServerPort& Net_Api_Server_Port() {
    static NetApiServerPort port;
    return port;
}

}  // namespace crv
