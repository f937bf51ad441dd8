#include "wmi/operations.h"

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "store/devices.h"
#include "wmi/connection.h"

namespace crv {
namespace {

constexpr std::array<std::string_view, 25> Service_Return_Texts{
    "Success",
    "Not Supported",
    "Access Denied",
    "Dependent Services Running",
    "Invalid Service Control",
    "Service Cannot Accept Control",
    "Service Not Active",
    "Service Request Timeout",
    "Unknown Failure",
    "Path Not Found",
    "Service Already Running",
    "Service Database Locked",
    "Service Dependency Deleted",
    "Service Dependency Failure",
    "Service Disabled",
    "Service Logon Failure",
    "Service Marked For Deletion",
    "Service No Thread",
    "Status Circular Dependency",
    "Status Duplicate Name",
    "Status Invalid Name",
    "Status Invalid Parameter",
    "Status Invalid Service Account",
    "Status Service Exists",
    "Service Already Paused",
};

bool Fail(const WmiStatus& status) {
    Set_Error(status.number, status.description);
    return false;
}

// The computer's connection to root\cimv2 with its stored credentials.
// Without a device row `known` is false and no connection is tried; a
// failed connection leaves its error pending. A device row the store could
// not read is no unknown computer: `known` stays true and nothing connects
// (the store has shown its box).
std::unique_ptr<WmiServices> Connect_Device(std::int32_t deviceId, bool& known) {
    SqlResult device;
    known = true;
    if (!Get_Device_Info(deviceId, device)) return nullptr;
    known = device.Data_Row_Count() > 0;
    if (!known) return nullptr;
    return Connect_WMI(device.Text(1, 0), device.Text(1, 1), device.Text(1, 2), Namespace_CIMV2, device.Text(1, 7));
}

// Every object of the query, read before anything else is asked of the
// provider (see Refresh_Process_List); false with the error pending.
bool Read_All(WmiServices& services, const std::string& wql, std::vector<WmiInstance>& objects) {
    WmiStatus status;
    auto result = services.Exec_Query(wql, Wql_Query_Flags, status);
    if (!result) return Fail(status);
    for (WmiInstance object; result->Next(object, status);) objects.push_back(std::move(object));
    return !status.Failed() || Fail(status);
}

std::string Process_Query(std::int32_t processId) {
    return "Select * From Win32_Process Where ProcessId=" + std::to_string(processId);
}

// Runs the query on the computer and calls the method on every object it
// returns; the last object's code is the result.
std::optional<std::int32_t> Call_On_Each(std::int32_t deviceId, const std::string& wql, const std::string& method,
                                         const std::vector<WmiMethodArg>& args) {
    bool known = false;
    auto services = Connect_Device(deviceId, known);
    if (!known) return 0;
    if (!services) return std::nullopt;
    std::vector<WmiInstance> targets;
    if (!Read_All(*services, wql, targets)) return std::nullopt;
    std::int32_t result = 0;
    for (const WmiInstance& object : targets) {
        WmiObject out;
        WmiStatus status;
        if (!services->Exec_Method(object.path, method, args, out, status)) {
            Fail(status);
            return std::nullopt;
        }
        result = Method_Return_Value(out);
    }
    return result;
}

}  // namespace

std::string Service_Query(const std::string& serviceName) {
    return "Select * From Win32_Service Where Name='" + Escape_Wql_Text(serviceName) + "'";
}

std::optional<std::int32_t> Change_Service_StartMode(std::int32_t deviceId, const std::string& serviceName,
                                                     const std::string& startMode) {
    return Call_On_Each(deviceId, Service_Query(serviceName), "ChangeStartMode", {{"StartMode", startMode}});
}

std::optional<std::int32_t> Control_Service(std::int32_t deviceId, const std::string& serviceName,
                                            std::int32_t operation) {
    const char* method = nullptr;
    switch (operation) {
    case Service_Start: method = "StartService"; break;
    case Service_Stop: method = "StopService"; break;
    case Service_Pause: method = "PauseService"; break;
    case Service_Resume: method = "ResumeService"; break;
    default: return 0;
    }
    return Call_On_Each(deviceId, Service_Query(serviceName), method, {});
}

std::optional<std::int32_t> Terminate_Process(std::int32_t deviceId, std::int32_t processId) {
    return Call_On_Each(deviceId, Process_Query(processId), "Terminate", {});
}

std::optional<std::string> Get_Process_Name(std::int32_t deviceId, std::int32_t processId) {
    bool known = false;
    auto services = Connect_Device(deviceId, known);
    if (!known) return std::string();
    if (!services) return std::nullopt;
    std::vector<WmiInstance> processes;
    if (!Read_All(*services, Process_Query(processId), processes)) return std::nullopt;
    for (const WmiInstance& process : processes)
        if (const WmiProperty* name = Find_Property_Any_Case(process.properties, "Name"); name && !name->Is_Null())
            return Scalar_To_Text(name->value);
    return std::string();
}

std::optional<std::int32_t> Shutdown_Computer(std::int32_t deviceId, std::int32_t flags) {
    return Call_On_Each(deviceId, "Select Name From Win32_OperatingSystem where Primary=true", "Win32Shutdown",
                        {{"Flags", static_cast<std::int64_t>(flags)}});
}

std::string Get_Service_Return_Text(std::int32_t code) {
    if (code < 0 || code >= static_cast<std::int32_t>(Service_Return_Texts.size())) return "Unknown Error";
    return std::string(Service_Return_Texts[static_cast<std::size_t>(code)]);
}

std::string Get_Process_Return_Text(std::int32_t code) {
    switch (code) {
    case 0: return "Success";
    case 2: return "Access Denied";
    case 3: return "Insufficient Privilege";
    case 8: return "Unknown Failure";
    case 9: return "Path Not Found";
    case 21: return "Invalid Parameter";
    default: return "Unknown Error";
    }
}

}  // namespace crv
