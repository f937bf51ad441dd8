#include "wmi/wake_on_lan.h"

#include "core/error.h"

namespace crv {
namespace {

constexpr std::string_view Class_Name = "CMagicPacket";
constexpr std::string_view Wake_Up_Suffix = " <Raised From CMagicPacket.WakeUp()>";
constexpr std::string_view Send_Suffix = " <Raised From CMagicPacket.SendMagicPacketTo()>";

int Hex_Digit(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

// The four octets of a normalised address; false for "".
bool Octets(std::string_view normalised, std::array<int, 4>& out) {
    if (normalised.empty()) return false;
    std::size_t part = 0;
    out = {0, 0, 0, 0};
    for (char c : normalised) {
        if (c == '.')
            ++part;
        else
            out[part] = out[part] * 10 + (c - '0');
    }
    return true;
}

}  // namespace

bool FakeDatagramSender::Send_Datagram(const std::string& host, std::span<const std::uint8_t> bytes, bool broadcast,
                                       WolError& error) {
    if (fail_with.Failed()) {
        error = fail_with;
        return false;
    }
    sent.push_back({host, Remote_Port(), std::vector<std::uint8_t>(bytes.begin(), bytes.end()), broadcast});
    return true;
}

std::string Normalize_NIC_Address(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) kept += c;
    }
    return kept.size() == 12 ? kept : std::string();
}

std::string Normalize_IP_Address(std::string_view text) {
    std::string kept;
    for (char c : text)
        if ((c >= '0' && c <= '9') || c == '.') kept += c;
    std::string result;
    int parts = 0;
    std::size_t start = 0;
    for (;;) {
        std::size_t dot = kept.find('.', start);
        std::string_view part = std::string_view(kept).substr(start, dot == std::string::npos ? std::string::npos
                                                                                              : dot - start);
        if (part.empty() || ++parts > 4) return {};
        int value = 0;
        for (char c : part) {
            value = value * 10 + (c - '0');
            if (value > 255) return {};
        }
        if (!result.empty()) result += '.';
        result += std::to_string(value);
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return parts == 4 ? result : std::string();
}

std::array<std::uint8_t, 6> NIC_Address_To_Bytes(std::string_view nicAddress) {
    std::array<std::uint8_t, 6> bytes{};
    for (std::size_t j = 0; j < bytes.size() && 2 * j + 1 < nicAddress.size(); ++j)
        bytes[j] = static_cast<std::uint8_t>(Hex_Digit(nicAddress[2 * j]) * 16 + Hex_Digit(nicAddress[2 * j + 1]));
    return bytes;
}

std::string Get_Broadcast_Address(std::string_view address, std::string_view mask) {
    std::array<int, 4> a{}, m{};
    if (!Octets(Normalize_IP_Address(address), a) || !Octets(Normalize_IP_Address(mask), m))
        return std::string(Limited_Broadcast_Address);
    std::string result;
    for (std::size_t i = 0; i < 4; ++i) {
        if (i) result += '.';
        result += std::to_string((m[i] ^ 255) | a[i]);
    }
    return result;
}

std::array<std::uint8_t, Magic_Packet_Size> Magic_Packet(const std::array<std::uint8_t, 6>& mac) {
    std::array<std::uint8_t, Magic_Packet_Size> packet{};
    for (std::size_t i = 0; i < 6; ++i) packet[i] = 0xFF;
    for (std::size_t i = 0; i < 16; ++i)
        for (std::size_t j = 0; j < 6; ++j) packet[6 + 6 * i + j] = mac[j];
    return packet;
}

bool clsWOL::Raise(std::int32_t number, std::string description, std::string source) {
    last_error_ = {number, std::move(description), std::move(source)};
    Set_Error(last_error_.number, last_error_.description);
    return false;
}

bool clsWOL::WinsockControl(DatagramSender* RefWinsock) {
    if (!RefWinsock)
        return Raise(Wol_E_No_Control,
                     "An attempt was made to set the WinsockControl property to an uninitialized control",
                     std::string(Class_Name) + ".WinsockControl(LET)");
    control_ = RefWinsock;
    return true;
}

bool clsWOL::IPSubnetAddress(std::string_view NewAddress) {
    subnet_address_ = Normalize_IP_Address(NewAddress);
    if (subnet_address_.empty())
        return Raise(Wol_E_Invalid_Subnet_Address, "Invalid IP Subnet Address",
                     std::string(Class_Name) + ".IPSubnetAddress(LET)");
    return true;
}

bool clsWOL::IPSubnetMask(std::string_view NewMask) {
    subnet_mask_ = Normalize_IP_Address(NewMask);
    // The mask's error reads as the address's: callers show one text for both.
    if (subnet_mask_.empty())
        return Raise(Wol_E_Invalid_Subnet_Mask, "Invalid IP Subnet Address",
                     std::string(Class_Name) + ".IPSubnetMask(LET)");
    return true;
}

bool clsWOL::NICAddress(std::string_view NewNicAddress) {
    nic_address_ = Normalize_NIC_Address(NewNicAddress);
    if (nic_address_.empty())
        return Raise(Wol_E_Invalid_Nic_Address, "Invalid Nic Address", std::string(Class_Name) + ".NicAddress(Let)");
    return true;
}

bool clsWOL::WakeUp() {
    bool ok = true;
    if (Normalize_NIC_Address(nic_address_).empty())
        ok = Raise(Wol_E_Invalid_Nic_Address, "The NICAddress property does not contain a valid NIC address",
                   std::string(Class_Name) + ".Wakeup()");
    else if (!control_)
        ok = Raise(Wol_E_No_Control, "The WinsockCtrl property has not been set to a valid MS-Winsock control",
                   std::string(Class_Name) + ".Wakeup()");
    else
        ok = SendMagicPacketTo(subnet_address_, subnet_mask_, nic_address_, *control_);
    if (!ok) Raise(last_error_.number, last_error_.description, last_error_.source + std::string(Wake_Up_Suffix));
    return ok;
}

bool clsWOL::SendMagicPacketTo(const std::string& address, const std::string& mask, const std::string& nic,
                               DatagramSender& control) {
    const auto mac = NIC_Address_To_Bytes(nic);
    const std::string target = Get_Broadcast_Address(address, mask);
    // Any host bit left by the mask makes the target a broadcast address,
    // and so does the limited broadcast a missing address or mask falls to.
    const bool broadcast =
        target == Limited_Broadcast_Address || Normalize_IP_Address(mask) != Limited_Broadcast_Address;
    subnet_address_ = target;
    const auto packet = Magic_Packet(mac);
    WolError error;
    if (!control.Send_Datagram(target, packet, broadcast, error))
        return Raise(error.number, error.description, error.source + std::string(Send_Suffix));
    return true;
}

}  // namespace crv
