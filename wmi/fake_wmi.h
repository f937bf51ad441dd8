#pragma once
// A WMI port that answers from tables the test fills: query answers by WQL
// text, instance methods through a handler, and a small registry behind
// StdRegProv. It records every connection, query and method call.
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "wmi/wmi_port.h"

namespace crv {

// Property builders for tests and fakes.
WmiProperty Wmi_Value(std::string name, int cim_type, WmiScalar value);
WmiProperty Wmi_Text(std::string name, std::string text);
WmiProperty Wmi_Uint32(std::string name, std::int64_t value);
WmiProperty Wmi_Null(std::string name, int cim_type = CIM_String);
WmiProperty Wmi_Array(std::string name, int cim_type, std::vector<WmiScalar> elements);

class FakeRegistry {
public:
    // Paths are compared without regard to case, as the registry does.
    void Add_Key(const std::string& path);
    void Set_String(const std::string& path, const std::string& name, std::string value);
    void Set_DWORD(const std::string& path, const std::string& name, std::int64_t value);
    void Set_Multi_String(const std::string& path, const std::string& name, std::vector<std::string> values);

    // Answers EnumKey, GetStringValue, GetExpandedStringValue, GetDWORDValue
    // and GetMultiStringValue as StdRegProv does on Windows.
    bool Call(const std::string& method, const std::vector<WmiMethodArg>& in, WmiObject& out, WmiStatus& status);

private:
    struct Key {
        std::vector<std::string> sub_keys;  // names as added
        std::map<std::string, WmiProperty> values;  // by lower-case name
    };
    Key& Ensure(const std::string& path);
    std::map<std::string, Key> keys_;  // by lower-case path
};

class FakeWmiPort final : public WmiPort {
public:
    struct QueryAnswer {
        std::vector<WmiInstance> objects;
        WmiStatus exec_error;  // ExecQuery itself fails
        std::size_t fail_after = static_cast<std::size_t>(-1);  // Next fails after this many
        WmiStatus next_error;
    };
    struct MethodCall {
        std::string server;
        std::string path;
        std::string method;
        std::vector<WmiMethodArg> in;
    };
    using MethodHandler = std::function<bool(const std::string& path, const std::string& method,
                                             const std::vector<WmiMethodArg>& in, WmiObject& out,
                                             WmiStatus& status)>;

    std::unique_ptr<WmiServices> Connect(const WmiConnectRequest& request, WmiStatus& status) override;
    std::string Local_Computer_Name() override { return local_name; }

    // Answers a WQL text exactly as given (in any namespace).
    void Set_Answer(const std::string& wql, QueryAnswer answer) { answers[wql] = std::move(answer); }
    void Set_Objects(const std::string& wql, std::vector<WmiInstance> objects) {
        QueryAnswer answer;
        answer.objects = std::move(objects);
        answers[wql] = std::move(answer);
    }

    std::string local_name = "LOCALPC";
    // Decides each connection; a failed status refuses it.
    std::function<WmiStatus(const WmiConnectRequest&)> connect_result;
    std::map<std::string, QueryAnswer> answers;  // unknown WQL: zero objects
    MethodHandler method_handler;  // instance methods; unset: WBEM_E_NOT_FOUND
    FakeRegistry registry;         // behind the class StdRegProv
    bool registry_provider_missing = false;  // Get("StdRegProv") fails with WBEM_E_INVALID_CLASS
    std::map<std::string, WmiStatus> registry_errors;  // by method name
    std::size_t registry_errors_after = 0;  // provider calls answered normally before registry_errors apply
    // Get_Object answers by path (class definitions); others: WBEM_E_INVALID_CLASS.
    std::map<std::string, WmiInstance> objects;
    std::map<std::string, std::int32_t> registry_statuses;  // by method name: the ReturnValue it answers

    std::vector<WmiConnectRequest> connects;
    std::vector<std::string> queries;
    std::vector<MethodCall> method_calls;
    std::size_t registry_calls = 0;
    std::size_t get_object_calls = 0;
    std::size_t wait_hook_calls = 0;
    std::size_t open_connections = 0;
};

}  // namespace crv
