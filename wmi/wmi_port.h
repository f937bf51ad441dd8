#pragma once
// The WMI port: everything the collectors and operations need from WMI, in
// portable terms. The program installs the COM implementation
// (wmi/com/com_wmi_port.h); native tests install FakeWmiPort.
//
// Errors travel as WmiStatus: the HRESULT as a signed 32-bit number and a
// description that is never empty for a failure.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "wmi/format/wmi_property.h"

namespace crv {

// Query flags of ExecQuery.
inline constexpr std::int32_t Wbem_Flag_Return_Immediately = 0x10;
inline constexpr std::int32_t Wbem_Flag_Forward_Only = 0x20;
// Connect flag: bounds the wait for an unreachable computer.
inline constexpr std::int32_t Wbem_Flag_Connect_Use_Max_Wait = 0x80;

// WMI error numbers the routines test or produce.
inline constexpr std::int32_t Wbem_E_Failed = static_cast<std::int32_t>(0x80041001u);
inline constexpr std::int32_t Wbem_E_Not_Found = static_cast<std::int32_t>(0x80041002u);
inline constexpr std::int32_t Wbem_E_Access_Denied = static_cast<std::int32_t>(0x80041003u);
inline constexpr std::int32_t Wbem_E_Invalid_Parameter = static_cast<std::int32_t>(0x80041008u);
inline constexpr std::int32_t Wbem_E_Not_Supported = static_cast<std::int32_t>(0x8004100Cu);
inline constexpr std::int32_t Wbem_E_Invalid_Namespace = static_cast<std::int32_t>(0x8004100Eu);
inline constexpr std::int32_t Wbem_E_Invalid_Class = static_cast<std::int32_t>(0x80041010u);
inline constexpr std::int32_t Wbem_E_Transport_Failure = static_cast<std::int32_t>(0x80041015u);
inline constexpr std::int32_t Wbem_E_Invalid_Query = static_cast<std::int32_t>(0x80041017u);
inline constexpr std::int32_t Wbem_E_Call_Cancelled = static_cast<std::int32_t>(0x80041032u);
inline constexpr std::int32_t Rpc_E_Disconnected = static_cast<std::int32_t>(0x80010108u);
inline constexpr std::int32_t Rpc_S_Server_Unavailable = static_cast<std::int32_t>(0x800706BAu);

// The result of one port call.
struct WmiStatus {
    std::int32_t number = 0;  // HRESULT, signed; negative = failure
    std::string description;
    std::string source;

    bool Failed() const { return number < 0; }
    static WmiStatus Error(std::int32_t number, std::string description = {});
};

// The symbolic name of a WMI or RPC error ("WBEM_E_INVALID_CLASS"), or "".
std::string_view Wmi_Error_Constant_Name(std::int32_t number);
// The description to show for an error whose platform text is missing or
// carries no words ("Error code: 0x..."): the constant's name and the number
// ("WBEM_E_INVALID_CLASS (0x80041010)"), or "Error 0x..." for an unnamed one.
// A meaningful platform text is returned trimmed.
std::string Wmi_Error_Description(std::int32_t number, std::string_view platform_text);

// What ConnectServer is given.
struct WmiConnectRequest {
    std::string server;     // "" or "." for the local computer
    std::string namespace_path;  // "root\\cimv2"; "" for the default namespace
    std::string user;       // "" runs under the caller's own account
    std::string password;
    std::string locale;
    std::string authority;
    std::int32_t flags = 0;
};

// One object of a query, or one fetched by path.
struct WmiInstance {
    std::string path;        // __PATH (or __RELPATH), what methods are called on
    std::string class_name;  // __CLASS
    WmiObject properties;    // non-system properties, in the provider's order

    // Exact, case-sensitive lookup; nullptr when missing.
    const WmiProperty* Find(std::string_view name) const;
};

// Called while a result set waits for its next object; returning false
// cancels the enumeration (Next then fails with WBEM_E_CALL_CANCELLED). The
// hook is where a UI caller lets messages through and tests its Cancel flag.
using WmiWaitHook = std::function<bool()>;

class WmiResultSet {
public:
    virtual ~WmiResultSet() = default;
    // Fills `object` with the next object and returns true; false at the end
    // (status not failed) or on a failure (status says which).
    virtual bool Next(WmiInstance& object, WmiStatus& status) = 0;
    void Set_Wait_Hook(WmiWaitHook hook) { wait_hook_ = std::move(hook); }

protected:
    WmiWaitHook wait_hook_;
};

// One in-parameter of a method: the value is put as the method's
// signature wants it (integers go in as 32-bit when they fit).
struct WmiMethodArg {
    std::string name;
    WmiScalar value;
};

// A connection to one namespace of one computer, with its security set.
class WmiServices {
public:
    virtual ~WmiServices() = default;
    virtual std::unique_ptr<WmiResultSet> Exec_Query(const std::string& wql, std::int32_t flags,
                                                     WmiStatus& status) = 0;
    virtual bool Get_Object(const std::string& path, WmiInstance& object, WmiStatus& status) = 0;
    // Calls a method on an instance path (or a class name for static
    // methods); the out-parameters (ReturnValue among them) come back as
    // properties.
    virtual bool Exec_Method(const std::string& object_path, const std::string& method,
                             const std::vector<WmiMethodArg>& in_params, WmiObject& out_params,
                             WmiStatus& status) = 0;
};

class WmiPort {
public:
    virtual ~WmiPort() = default;
    virtual std::unique_ptr<WmiServices> Connect(const WmiConnectRequest& request, WmiStatus& status) = 0;
    // The local computer's name as the system reports it, or "".
    virtual std::string Local_Computer_Name() = 0;
};

// The installed port. Without one, every connection fails with E_NOTIMPL.
WmiPort& Current_Wmi_Port();
// Installs a port (nullptr: none) and returns the previous one.
WmiPort* Set_Wmi_Port(WmiPort* port);

// Value helpers shared by the routines.
// The integer of a scalar (integers, booleans, numeric texts as 64-bit values
// arrive); 0 for anything else. Texts and reals past the 64-bit range give
// the nearest limit.
std::int64_t Scalar_To_Int64(const WmiScalar& value);
// Decimal text of an integer, the text of a text; "" for null.
std::string Scalar_To_Text(const WmiScalar& value);
// The ReturnValue out-parameter as a 32-bit number (0 when missing).
std::int32_t Method_Return_Value(const WmiObject& out_params);
// Exact lookup in a property list.
const WmiProperty* Find_Property(const WmiObject& object, std::string_view name);
// Lookup as WMI resolves a property named in code (ASCII case ignored), for
// the routines that read known properties rather than compare listed names.
const WmiProperty* Find_Property_Any_Case(const WmiObject& object, std::string_view name);

// A text between single quotes in WQL: backslash before "\" and "'".
std::string Escape_Wql_Text(std::string_view text);

}  // namespace crv
