#pragma once
// One WMI connection to one computer and namespace, with the stored
// credentials shaped for computers outside the local domain, and the WQL
// select list of a feature.
//
// A failed connection leaves its error pending (Pending_Error: the HRESULT
// as a signed number and its description) and returns nullptr.
#include <cstdint>
#include <memory>
#include <string>

#include "wmi/wmi_port.h"

namespace crv {

// Namespace indexes the program uses.
inline constexpr std::int32_t Namespace_CIMV2 = 0;
inline constexpr std::int32_t Namespace_SecurityCenter2 = 3;
inline constexpr std::int32_t Namespace_WMI = 4;
inline constexpr std::int32_t Namespace_Default = 7;

// The flags every collector runs its query with: return immediately, forward only.
inline constexpr std::int32_t Wql_Query_Flags = Wbem_Flag_Return_Immediately | Wbem_Flag_Forward_Only;

// "root\cimv2" ... "root\subscription" for 0 to 9, "" for any other index.
std::string Get_WMI_Namespace(std::int32_t namespaceIndex);

// The server text and account a connection is made with.
struct WmiConnectionTarget {
    std::string server;
    std::string user;
    std::string password;
};
// The shaping both connection routines share: the local computer (any
// letter case) runs under the caller's own account; a computer outside the
// local domain that is not given as an IP address connects as
// computer\user to domain.computer. An empty user stays empty (the caller's
// own account), a user that names its domain stays as stored, and an empty
// domain leaves the server text as given.
WmiConnectionTarget Shape_Connection_Target(const std::string& computer, const std::string& user,
                                            const std::string& password, const std::string& domain);
// The computer is the local one (any letter case): a connection to it takes
// no credentials and no domain.
bool Is_Local_Computer(const std::string& computer);

// Connects with impersonation and packet privacy; nullptr with the error
// pending when it fails.
std::unique_ptr<WmiServices> Connect_WMI(const std::string& computer, const std::string& user,
                                         const std::string& password, std::int32_t namespaceIndex,
                                         const std::string& domain);

// Connect_WMI with the device's stored credentials. The local computer
// connects under the caller's own account, so its credentials are not read
// (a listing of it needs nothing of the store). A computer whose
// credentials cannot be read is not tried: nullptr with nothing pending, as
// the store's box has said why (and an open failure scope has failed).
std::unique_ptr<WmiServices> Connect_Device_WMI(std::int32_t deviceId, const std::string& computer,
                                                std::int32_t namespaceIndex);

// The reachability test of the scan dialog: root\CIMV2, never raises
// (nullptr and no pending error on failure). The shaped user and password
// are written back; the computer name is not, so the caller keeps the name
// it can shape again.
std::unique_ptr<WmiServices> Connect_WMI_CIMV2(const std::string& computer, std::string& user,
                                               std::string& password, std::int32_t unused,
                                               const std::string& domain);

// True for a user name that already names its domain ("DOMAIN\user" or
// "user@domain"): it is passed on unchanged, never prefixed with the computer.
bool Names_Its_Domain(const std::string& user);

// The feature's active property names in list order joined with ", ";
// "*" when it has none or they cannot be read. "" with the error pending
// (WBEM_E_INVALID_PARAMETER) when a stored name is no WQL identifier.
std::string Get_Property_Select_List(std::int32_t featureId);

// Class and property names go into WQL only when they are identifiers
// (Is_Wql_Name); anything else is refused before any query is sent, with the
// error pending (WBEM_E_INVALID_PARAMETER, Not_A_Wql_Name_Text) for the
// listing's error row.
// "SELECT " + the select list (kept in memory: Cached_Property_Select_List)
// + " FROM " + className.
bool Build_Feature_Query(std::int32_t featureId, const std::string& className, std::string& wql);
// "Select * From " + className.
bool Build_Select_All_Query(const std::string& className, std::string& wql);
std::string Not_A_Wql_Name_Text(const std::string& name);

}  // namespace crv
