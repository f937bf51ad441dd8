#include "wmi/connection.h"

#include <array>
#include <string_view>

#include "core/error.h"
#include "core/names.h"
#include "store/devices.h"
#include "store/failure_scope.h"
#include "store/features.h"
#include "wmi/ip_address.h"
#include "wmi/select_list_cache.h"

namespace crv {
namespace {

constexpr std::array<std::string_view, 10> Namespaces{
    "root\\cimv2",  "root\\security",  "root\\Cli",     "root\\SecurityCenter2", "root\\WMI",
    "root\\Policy", "root\\Microsoft", "root\\Default", "root\\directory",       "root\\subscription"};

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return text;
}

std::unique_ptr<WmiServices> Connect_Shaped(const WmiConnectionTarget& target, const std::string& namespace_path,
                                            WmiStatus& status) {
    WmiConnectRequest request;
    request.server = target.server;
    request.namespace_path = namespace_path;
    request.user = target.user;
    request.password = target.password;
    // Without the bounded wait an unreachable computer holds the window for
    // as long as DCOM keeps trying.
    request.flags = Wbem_Flag_Connect_Use_Max_Wait;
    auto services = Current_Wmi_Port().Connect(request, status);
    if (!services && !status.Failed()) status = WmiStatus::Error(Wbem_E_Failed);
    return services;
}

}  // namespace

bool Names_Its_Domain(const std::string& user) {
    return user.find('\\') != std::string::npos || user.find('@') != std::string::npos;
}

std::string Get_WMI_Namespace(std::int32_t namespaceIndex) {
    if (namespaceIndex < 0 || namespaceIndex >= static_cast<std::int32_t>(Namespaces.size())) return {};
    return std::string(Namespaces[static_cast<std::size_t>(namespaceIndex)]);
}

bool Is_Local_Computer(const std::string& computer) {
    return Upper(computer) == Upper(Current_Wmi_Port().Local_Computer_Name());
}

WmiConnectionTarget Shape_Connection_Target(const std::string& computer, const std::string& user,
                                            const std::string& password, const std::string& domain) {
    WmiConnectionTarget target{computer, user, password};
    if (Is_Local_Computer(computer)) {
        target.user.clear();
        target.password.clear();
        return target;
    }
    const std::string local = Upper(Current_Wmi_Port().Local_Computer_Name());
    if (Is_Same_Domain(local, computer) || Is_Valid_IP_Address(computer)) return target;
    if (target.user.empty()) {
        target.password.clear();  // the caller's own account
    } else if (!Names_Its_Domain(target.user)) {
        target.user = computer + "\\" + user;
    }
    if (!domain.empty()) target.server = domain + "." + computer;
    return target;
}

std::unique_ptr<WmiServices> Connect_WMI(const std::string& computer, const std::string& user,
                                         const std::string& password, std::int32_t namespaceIndex,
                                         const std::string& domain) {
    WmiConnectionTarget target = Shape_Connection_Target(computer, user, password, domain);
    WmiStatus status;
    auto services = Connect_Shaped(target, Get_WMI_Namespace(namespaceIndex), status);
    if (!services) {
        Set_Error(status.number, status.description);
        return nullptr;
    }
    return services;
}

std::unique_ptr<WmiServices> Connect_Device_WMI(std::int32_t deviceId, const std::string& computer,
                                                std::int32_t namespaceIndex) {
    std::string user, password, domain;
    if (!Is_Local_Computer(computer)) {
        // Unread credentials are not empty ones: the computer is not tried
        // as the user's own account. The scope makes a file that cannot be
        // opened say so too, once, like any other store failure.
        StoreFailureScope store;
        const bool read = Get_Device_Credentials(deviceId, user, password, domain);
        Clear_Error();
        if (!read || store.Failed()) return nullptr;
    }
    return Connect_WMI(computer, user, password, namespaceIndex, domain);
}

std::unique_ptr<WmiServices> Connect_WMI_CIMV2(const std::string& computer, std::string& user,
                                               std::string& password, std::int32_t /*unused*/,
                                               const std::string& domain) {
    WmiConnectionTarget target = Shape_Connection_Target(computer, user, password, domain);
    user = target.user;
    password = target.password;
    WmiStatus status;
    auto services = Connect_Shaped(target, "root\\CIMV2", status);
    if (!services) Clear_Error();
    return services;
}

std::string Get_Property_Select_List(std::int32_t featureId) {
    SqlResult props;
    if (!Get_Feature_Props(featureId, props, true)) return "*";
    std::string list;
    for (std::size_t row = 1; row <= props.Data_Row_Count(); ++row) {
        const std::string& name = props.Text(row, 1);
        if (!Is_Wql_Name(name)) {
            // A name that is no identifier would rewrite the query around it.
            Set_Error(Wbem_E_Invalid_Parameter, Not_A_Wql_Name_Text(name));
            return {};
        }
        if (!list.empty()) list += ", ";
        list += name;
    }
    return list.empty() ? "*" : list;
}

std::string Not_A_Wql_Name_Text(const std::string& name) {
    return "\"" + name + "\" is not a valid WMI class or property name. The query was not sent.";
}

bool Build_Feature_Query(std::int32_t featureId, const std::string& className, std::string& wql) {
    wql.clear();
    if (!Is_Wql_Name(className)) {
        Set_Error(Wbem_E_Invalid_Parameter, Not_A_Wql_Name_Text(className));
        return false;
    }
    const std::string list = Cached_Property_Select_List(featureId);
    if (list.empty()) {
        if (Pending_Error().empty()) Set_Error(Wbem_E_Invalid_Parameter, Not_A_Wql_Name_Text(""));
        return false;
    }
    wql = "SELECT " + list + " FROM " + className;
    return true;
}

bool Build_Select_All_Query(const std::string& className, std::string& wql) {
    wql.clear();
    if (!Is_Wql_Name(className)) {
        Set_Error(Wbem_E_Invalid_Parameter, Not_A_Wql_Name_Text(className));
        return false;
    }
    wql = "Select * From " + className;
    return true;
}

}  // namespace crv
