#include "wmi/wmi_port.h"

#include <cstdio>

#include "core/common.h"

namespace crv {
namespace {

struct NamedError {
    std::uint32_t number;
    std::string_view name;
};

// The WMI errors a connection, query or method call can end with, and the
// transport errors of DCOM that reach the caller through them.
constexpr NamedError Named_Errors[] = {
    {0x80041001u, "WBEM_E_FAILED"},
    {0x80041002u, "WBEM_E_NOT_FOUND"},
    {0x80041003u, "WBEM_E_ACCESS_DENIED"},
    {0x80041004u, "WBEM_E_PROVIDER_FAILURE"},
    {0x80041005u, "WBEM_E_TYPE_MISMATCH"},
    {0x80041006u, "WBEM_E_OUT_OF_MEMORY"},
    {0x80041007u, "WBEM_E_INVALID_CONTEXT"},
    {0x80041008u, "WBEM_E_INVALID_PARAMETER"},
    {0x80041009u, "WBEM_E_NOT_AVAILABLE"},
    {0x8004100Au, "WBEM_E_CRITICAL_ERROR"},
    {0x8004100Bu, "WBEM_E_INVALID_STREAM"},
    {0x8004100Cu, "WBEM_E_NOT_SUPPORTED"},
    {0x8004100Du, "WBEM_E_INVALID_SUPERCLASS"},
    {0x8004100Eu, "WBEM_E_INVALID_NAMESPACE"},
    {0x8004100Fu, "WBEM_E_INVALID_OBJECT"},
    {0x80041010u, "WBEM_E_INVALID_CLASS"},
    {0x80041011u, "WBEM_E_PROVIDER_NOT_FOUND"},
    {0x80041012u, "WBEM_E_INVALID_PROVIDER_REGISTRATION"},
    {0x80041013u, "WBEM_E_PROVIDER_LOAD_FAILURE"},
    {0x80041014u, "WBEM_E_INITIALIZATION_FAILURE"},
    {0x80041015u, "WBEM_E_TRANSPORT_FAILURE"},
    {0x80041016u, "WBEM_E_INVALID_OPERATION"},
    {0x80041017u, "WBEM_E_INVALID_QUERY"},
    {0x80041018u, "WBEM_E_INVALID_QUERY_TYPE"},
    {0x80041019u, "WBEM_E_ALREADY_EXISTS"},
    {0x8004101Du, "WBEM_E_UNEXPECTED"},
    {0x8004101Eu, "WBEM_E_INCOMPLETE_CLASS"},
    {0x80041024u, "WBEM_E_INVALID_PROPERTY"},
    {0x8004102Au, "WBEM_E_INVALID_METHOD"},
    {0x8004102Bu, "WBEM_E_INVALID_METHOD_PARAMETERS"},
    {0x80041032u, "WBEM_E_CALL_CANCELLED"},
    {0x80041033u, "WBEM_E_SHUTTING_DOWN"},
    {0x80041045u, "WBEM_E_TIMED_OUT"},
    {0x80041055u, "WBEM_E_PROVIDER_NOT_CAPABLE"},
    {0x80041064u, "WBEM_E_LOCAL_CREDENTIALS"},
    {0x80010108u, "RPC_E_DISCONNECTED"},
    {0x800706BAu, "RPC_S_SERVER_UNAVAILABLE"},
    {0x800706BEu, "RPC_S_CALL_FAILED"},
    {0x80070005u, "E_ACCESSDENIED"},
    {0x80004001u, "E_NOTIMPL"},
    {0x80004005u, "E_FAIL"},
    {0x80070057u, "E_INVALIDARG"},
    {0x8007000Eu, "E_OUTOFMEMORY"},
};

std::string Hex_Number(std::int32_t number) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(number));
    return buffer;
}

std::string_view Trim(std::string_view text) {
    const char* blanks = " \t\r\n";
    auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

class NoPort final : public WmiPort {
public:
    std::unique_ptr<WmiServices> Connect(const WmiConnectRequest&, WmiStatus& status) override {
        status = WmiStatus::Error(static_cast<std::int32_t>(0x80004001u), "No WMI access is installed");
        return nullptr;
    }
    std::string Local_Computer_Name() override { return {}; }
};

NoPort no_port;
WmiPort* current_port = &no_port;

}  // namespace

WmiStatus WmiStatus::Error(std::int32_t number, std::string description) {
    WmiStatus status;
    status.number = number;
    status.description = Wmi_Error_Description(number, description);
    return status;
}

std::string_view Wmi_Error_Constant_Name(std::int32_t number) {
    for (const auto& e : Named_Errors)
        if (e.number == static_cast<std::uint32_t>(number)) return e.name;
    return {};
}

std::string Wmi_Error_Description(std::int32_t number, std::string_view platform_text) {
    std::string_view text = Trim(platform_text);
    // Wine's status texts are only the number again.
    bool wordless = text.empty() || text.rfind("Error code:", 0) == 0;
    if (!wordless) return std::string(text);
    std::string_view name = Wmi_Error_Constant_Name(number);
    if (name.empty()) return "Error " + Hex_Number(number);
    return std::string(name) + " (" + Hex_Number(number) + ")";
}

const WmiProperty* Find_Property(const WmiObject& object, std::string_view name) {
    for (const auto& p : object)
        if (p.name == name) return &p;
    return nullptr;
}

const WmiProperty* Find_Property_Any_Case(const WmiObject& object, std::string_view name) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (const auto& p : object) {
        if (p.name.size() != name.size()) continue;
        bool same = true;
        for (std::size_t i = 0; same && i < name.size(); ++i) same = lower(p.name[i]) == lower(name[i]);
        if (same) return &p;
    }
    return nullptr;
}

const WmiProperty* WmiInstance::Find(std::string_view name) const { return Find_Property(properties, name); }

WmiPort& Current_Wmi_Port() { return *current_port; }

WmiPort* Set_Wmi_Port(WmiPort* port) {
    WmiPort* previous = current_port == &no_port ? nullptr : current_port;
    current_port = port ? port : &no_port;
    return previous;
}

std::int64_t Scalar_To_Int64(const WmiScalar& value) {
    if (auto* i = std::get_if<std::int64_t>(&value)) return *i;
    if (auto* b = std::get_if<bool>(&value)) return *b ? -1 : 0;
    if (auto* d = std::get_if<double>(&value)) return Clamp_To_Int64(*d);
    if (auto* s = std::get_if<std::string>(&value)) {
        // 64-bit integers travel as decimal text; an unsigned one past the
        // signed range reads as the limit.
        std::size_t used = 0;
        const std::int64_t number = Parse_Leading_Int64(*s, used);
        return used == s->size() ? number : 0;
    }
    return 0;
}

std::string Scalar_To_Text(const WmiScalar& value) {
    if (auto* s = std::get_if<std::string>(&value)) return *s;
    if (auto* i = std::get_if<std::int64_t>(&value)) return std::to_string(*i);
    if (auto* b = std::get_if<bool>(&value)) return *b ? "True" : "False";
    if (auto* d = std::get_if<double>(&value)) return Shortest_Number_Text(*d);
    if (auto* o = std::get_if<WmiEmbeddedObject>(&value)) return "<" + o->class_name + ">";
    return {};
}

std::int32_t Method_Return_Value(const WmiObject& out_params) {
    const WmiProperty* p = Find_Property_Any_Case(out_params, "ReturnValue");
    return p ? Clamp_To_Int32(Scalar_To_Int64(p->value)) : 0;
}

std::string Escape_Wql_Text(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == '\\' || c == '\'') result += '\\';
        result += c;
    }
    return result;
}

}  // namespace crv
