#pragma once
// Wake-on-LAN: clsWOL builds the magic packet for a network card's MAC
// address and sends it as one UDP datagram through a sender the caller hands
// in (the Winsock sender on Windows, a recording fake in tests). Without a
// subnet address and mask the datagram goes to the limited broadcast
// address 255.255.255.255.
//
// A member that fails returns false, leaves its error in Last_Error (number,
// description and the source chain the caller shows) and also makes it the
// pending error, so Show_Error_Message can report it.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace crv {

// The UDP port magic packets go to ("discard"): network cards listen for the
// pattern on any port, and a sender must name one.
inline constexpr std::uint16_t Wake_On_Lan_Port = 9;

inline constexpr std::size_t Magic_Packet_Size = 102;
inline constexpr std::string_view Limited_Broadcast_Address = "255.255.255.255";

// Error numbers: the COM object error base plus an offset.
inline constexpr std::int32_t Wol_Error_Base = static_cast<std::int32_t>(0x80040000u);
inline constexpr std::int32_t Wol_E_Invalid_Nic_Address = Wol_Error_Base + 2001;
inline constexpr std::int32_t Wol_E_Invalid_Subnet_Address = Wol_Error_Base + 2002;
inline constexpr std::int32_t Wol_E_Invalid_Subnet_Mask = Wol_Error_Base + 2003;
inline constexpr std::int32_t Wol_E_No_Control = Wol_Error_Base + 2005;

struct WolError {
    std::int32_t number = 0;
    std::string description;
    std::string source;
    bool Failed() const { return number != 0; }
};

// The socket the packet leaves through. Like a socket control, it holds the
// remote port itself; each Send_Datagram opens, sends once and closes.
class DatagramSender {
public:
    virtual ~DatagramSender() = default;
    // One UDP datagram to a dotted IPv4 address. `broadcast` says the
    // address is a broadcast address, which the socket must be allowed to
    // send to. False, with `error` filled, when it could not be sent.
    virtual bool Send_Datagram(const std::string& host, std::span<const std::uint8_t> bytes, bool broadcast,
                               WolError& error) = 0;
    std::uint16_t Remote_Port() const { return remote_port_; }
    void Set_Remote_Port(std::uint16_t port) { remote_port_ = port; }

private:
    std::uint16_t remote_port_ = Wake_On_Lan_Port;
};

// Records every datagram instead of sending it; can be told to fail.
class FakeDatagramSender final : public DatagramSender {
public:
    struct Datagram {
        std::string host;
        std::uint16_t port = 0;
        std::vector<std::uint8_t> bytes;
        bool broadcast = false;
    };
    bool Send_Datagram(const std::string& host, std::span<const std::uint8_t> bytes, bool broadcast,
                       WolError& error) override;

    std::vector<Datagram> sent;
    WolError fail_with;  // a failed error here makes every send fail with it
};

// The normalisers and the packet, as the class uses them.
// Trimmed, upper-cased, every character but 0-9 and A-F dropped; "" unless
// exactly 12 remain.
std::string Normalize_NIC_Address(std::string_view text);
// Only digits and "." kept; four parts of 0 to 255 written without leading
// zeros, joined by "."; "" for anything else.
std::string Normalize_IP_Address(std::string_view text);
// The six bytes of a normalised NIC address.
std::array<std::uint8_t, 6> NIC_Address_To_Bytes(std::string_view nicAddress);
// (mask octet Xor 255) Or address octet, per octet; "255.255.255.255" when
// either text is not an address.
std::string Get_Broadcast_Address(std::string_view address, std::string_view mask);
// Six bytes 0xFF, then the MAC address sixteen times.
std::array<std::uint8_t, Magic_Packet_Size> Magic_Packet(const std::array<std::uint8_t, 6>& mac);

class clsWOL {
public:
    // The sender to use; nullptr is refused and the previous one kept.
    bool WinsockControl(DatagramSender* RefWinsock);

    // Each setter stores the normalised text and fails when that is empty;
    // the member then reads "".
    bool IPSubnetAddress(std::string_view NewAddress);
    const std::string& IPSubnetAddress() const { return subnet_address_; }
    bool IPSubnetMask(std::string_view NewMask);
    const std::string& IPSubnetMask() const { return subnet_mask_; }
    bool NICAddress(std::string_view NewNicAddress);
    const std::string& NICAddress() const { return nic_address_; }

    // Sends one magic packet for the NIC address to the broadcast address
    // of the subnet address and mask; afterwards IPSubnetAddress reads the
    // address actually used.
    bool WakeUp();

    const WolError& Last_Error() const { return last_error_; }

private:
    bool SendMagicPacketTo(const std::string& address, const std::string& mask, const std::string& nic,
                           DatagramSender& control);
    bool Raise(std::int32_t number, std::string description, std::string source);

    DatagramSender* control_ = nullptr;
    std::string subnet_address_;
    std::string subnet_mask_;
    std::string nic_address_;
    WolError last_error_;
};

}  // namespace crv
