#include "wmi/registry_provider.h"

#include "core/error.h"

namespace crv {
namespace {

const std::string Provider = "StdRegProv";

bool Call_Provider(WmiServices& services, const std::string& method, std::vector<WmiMethodArg> in,
                   std::int32_t& returnValue, WmiObject& out, WmiStatus& status) {
    returnValue = 0;
    WmiInstance provider;
    if (!services.Get_Object(Provider, provider, status)) return false;
    if (!services.Exec_Method(provider.path.empty() ? Provider : provider.path, method, in, out, status))
        return false;
    returnValue = Method_Return_Value(out);
    return true;
}

std::vector<WmiMethodArg> Key_Args(std::int32_t hive, const std::string& keyPath) {
    return {{"hDefKey", static_cast<std::int64_t>(hive)}, {"sSubKeyName", keyPath}};
}

std::vector<WmiMethodArg> Value_Args(std::int32_t hive, const std::string& keyPath, const std::string& valueName) {
    auto args = Key_Args(hive, keyPath);
    args.push_back({"sValueName", valueName});
    return args;
}

std::vector<std::string> Text_Elements(const WmiProperty* p) {
    std::vector<std::string> texts;
    if (!p) return texts;
    if (!p->is_array) {
        if (!p->Is_Null()) texts.push_back(Scalar_To_Text(p->value));
        return texts;
    }
    for (const auto& e : p->elements) texts.push_back(Scalar_To_Text(e));
    return texts;
}

void Report(const WmiStatus& status) {
    Set_Error(status.number, status.description);
    Show_Error_Message(true);
}

bool Is_Not_Supported(std::int32_t number) {
    return number == Wbem_E_Invalid_Class || number == Wbem_E_Invalid_Namespace || number == Wbem_E_Not_Supported;
}

}  // namespace

std::string Registry_Status_Text(std::int32_t returnValue, const std::string& keyPath) {
    std::string reason;
    switch (returnValue) {
    case 2: reason = " (the key does not exist)"; break;
    case 5: reason = " (access is denied)"; break;
    default: break;
    }
    return "The registry of the computer refused to list " + keyPath + ": status " + std::to_string(returnValue) +
           reason + ".";
}

bool Reg_Enum_Key(WmiServices& services, std::int32_t hive, const std::string& keyPath, std::int32_t& returnValue,
                  std::vector<std::string>& names, WmiStatus& status) {
    WmiObject out;
    if (!Call_Provider(services, "EnumKey", Key_Args(hive, keyPath), returnValue, out, status)) return false;
    if (returnValue == 0) names = Text_Elements(Find_Property_Any_Case(out, "sNames"));
    return true;
}

bool Reg_Get_String_Value(WmiServices& services, std::int32_t hive, const std::string& keyPath,
                          const std::string& valueName, bool expanded, std::int32_t& returnValue, WmiScalar& value,
                          WmiStatus& status) {
    WmiObject out;
    value = std::monostate{};
    if (!Call_Provider(services, expanded ? "GetExpandedStringValue" : "GetStringValue",
                       Value_Args(hive, keyPath, valueName), returnValue, out, status))
        return false;
    if (const WmiProperty* p = Find_Property_Any_Case(out, "sValue"); p && !p->is_array && returnValue == 0) value = p->value;
    return true;
}

bool Reg_Get_DWORD_Value(WmiServices& services, std::int32_t hive, const std::string& keyPath,
                         const std::string& valueName, std::int32_t& returnValue, WmiScalar& value,
                         WmiStatus& status) {
    WmiObject out;
    value = std::monostate{};
    if (!Call_Provider(services, "GetDWORDValue", Value_Args(hive, keyPath, valueName), returnValue, out, status))
        return false;
    if (const WmiProperty* p = Find_Property_Any_Case(out, "uValue"); p && !p->is_array && returnValue == 0) value = p->value;
    return true;
}

bool Reg_Get_Multi_String_Value(WmiServices& services, std::int32_t hive, const std::string& keyPath,
                                const std::string& valueName, std::int32_t& returnValue,
                                std::vector<std::string>& values, WmiStatus& status) {
    WmiObject out;
    if (!Call_Provider(services, "GetMultiStringValue", Value_Args(hive, keyPath, valueName), returnValue, out,
                       status))
        return false;
    if (returnValue == 0) values = Text_Elements(Find_Property_Any_Case(out, "sValue"));
    return true;
}

bool Enum_WMI_Reg_Keys(WmiServices& services, std::int32_t hive, const std::string& keyPath,
                       std::vector<std::string>& names) {
    std::int32_t returnValue = 0;
    WmiStatus status;
    if (Reg_Enum_Key(services, hive, keyPath, returnValue, names, status)) {
        if (returnValue == 0 || returnValue == Reg_Status_No_More_Items) return true;
        // The provider answered but refused (access denied, key missing):
        // that is a failed read, not a key without sub-keys.
        Set_Error(returnValue, Registry_Status_Text(returnValue, keyPath));
        return false;
    }
    if (Is_Not_Supported(status.number)) {
        Set_Error(status.number, status.description);
        return false;
    }
    Report(status);
    return false;
}

bool Read_WMI_Reg_Value(WmiServices& services, std::int32_t hive, const std::string& keyPath,
                        const std::string& valueName, std::int32_t valueType, std::int32_t& returnValue,
                        WmiScalar& value, WmiStatus& status) {
    returnValue = 0;
    switch (valueType) {
    case Reg_Type_String:
    case Reg_Type_Expand_String:
        return Reg_Get_String_Value(services, hive, keyPath, valueName, valueType == Reg_Type_Expand_String,
                                    returnValue, value, status);
    case Reg_Type_DWORD:
        return Reg_Get_DWORD_Value(services, hive, keyPath, valueName, returnValue, value, status);
    default:
        return true;
    }
}

bool Get_WMI_Reg_Value(WmiServices& services, std::int32_t hive, const std::string& keyPath,
                       const std::string& valueName, std::int32_t& valueType, WmiScalar& value) {
    std::int32_t returnValue = 0;
    WmiStatus status;
    if (!Read_WMI_Reg_Value(services, hive, keyPath, valueName, valueType, returnValue, value, status)) {
        value = std::string();
        if (status.number != Rpc_E_Disconnected) Report(status);
        return false;
    }
    return returnValue == 0;
}

}  // namespace crv
