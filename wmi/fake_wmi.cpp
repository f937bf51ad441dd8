#include "wmi/fake_wmi.h"

#include <algorithm>

namespace crv {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

const WmiScalar* Arg(const std::vector<WmiMethodArg>& in, std::string_view name) {
    for (const auto& a : in)
        if (a.name == name) return &a.value;
    return nullptr;
}

std::string Arg_Text(const std::vector<WmiMethodArg>& in, std::string_view name) {
    const WmiScalar* v = Arg(in, name);
    return v ? Scalar_To_Text(*v) : std::string();
}

class FakeResultSet final : public WmiResultSet {
public:
    FakeResultSet(FakeWmiPort& port, const FakeWmiPort::QueryAnswer& answer) : port_(port), answer_(answer) {}

    bool Next(WmiInstance& object, WmiStatus& status) override {
        status = {};
        if (wait_hook_) {
            ++port_.wait_hook_calls;
            if (!wait_hook_()) {
                status = WmiStatus::Error(Wbem_E_Call_Cancelled);
                return false;
            }
        }
        if (position_ == answer_.fail_after) {
            status = answer_.next_error;
            return false;
        }
        if (position_ >= answer_.objects.size()) return false;
        // The copy is this result set's own: each object goes out once.
        object = std::move(answer_.objects[position_++]);
        return true;
    }

private:
    FakeWmiPort& port_;
    FakeWmiPort::QueryAnswer answer_;  // a copy: the test may change the table between refreshes
    std::size_t position_ = 0;
};

class FakeServices final : public WmiServices {
public:
    FakeServices(FakeWmiPort& port, WmiConnectRequest request) : port_(port), request_(std::move(request)) {
        ++port_.open_connections;
    }
    ~FakeServices() override { --port_.open_connections; }

    std::unique_ptr<WmiResultSet> Exec_Query(const std::string& wql, std::int32_t, WmiStatus& status) override {
        port_.queries.push_back(wql);
        status = {};
        auto it = port_.answers.find(wql);
        static const FakeWmiPort::QueryAnswer none;
        const auto& answer = it == port_.answers.end() ? none : it->second;
        if (answer.exec_error.Failed()) {
            status = answer.exec_error;
            return nullptr;
        }
        return std::make_unique<FakeResultSet>(port_, answer);
    }

    bool Get_Object(const std::string& path, WmiInstance& object, WmiStatus& status) override {
        ++port_.get_object_calls;
        status = {};
        if (path == "StdRegProv" && !port_.registry_provider_missing) {
            object = WmiInstance{"StdRegProv", "StdRegProv", {}};
            return true;
        }
        if (auto it = port_.objects.find(path); it != port_.objects.end()) {
            object = it->second;
            return true;
        }
        status = WmiStatus::Error(Wbem_E_Invalid_Class);
        return false;
    }

    bool Exec_Method(const std::string& path, const std::string& method, const std::vector<WmiMethodArg>& in,
                     WmiObject& out, WmiStatus& status) override {
        port_.method_calls.push_back({request_.server, path, method, in});
        out.clear();
        status = {};
        if (path == "StdRegProv") {
            const bool failing = ++port_.registry_calls > port_.registry_errors_after;
            auto e = port_.registry_errors.find(method);
            if (failing && e != port_.registry_errors.end()) {
                status = e->second;
                return false;
            }
            auto refused = port_.registry_statuses.find(method);
            if (refused != port_.registry_statuses.end()) {
                // The provider answers, with a status instead of data.
                out = {Wmi_Uint32("ReturnValue", refused->second)};
                return true;
            }
            return port_.registry.Call(method, in, out, status);
        }
        if (!port_.method_handler) {
            status = WmiStatus::Error(Wbem_E_Not_Found);
            return false;
        }
        return port_.method_handler(path, method, in, out, status);
    }

private:
    FakeWmiPort& port_;
    WmiConnectRequest request_;
};

}  // namespace

WmiProperty Wmi_Value(std::string name, int cim_type, WmiScalar value) {
    WmiProperty p;
    p.name = std::move(name);
    p.cim_type = cim_type;
    p.value = std::move(value);
    return p;
}

WmiProperty Wmi_Text(std::string name, std::string text) { return Wmi_Value(std::move(name), CIM_String, std::move(text)); }

WmiProperty Wmi_Uint32(std::string name, std::int64_t value) {
    return Wmi_Value(std::move(name), CIM_Uint32, static_cast<std::int64_t>(static_cast<std::int32_t>(value)));
}

WmiProperty Wmi_Null(std::string name, int cim_type) { return Wmi_Value(std::move(name), cim_type, std::monostate{}); }

WmiProperty Wmi_Array(std::string name, int cim_type, std::vector<WmiScalar> elements) {
    WmiProperty p;
    p.name = std::move(name);
    p.cim_type = cim_type;
    p.is_array = true;
    p.array_is_null = false;
    p.elements = std::move(elements);
    return p;
}

FakeRegistry::Key& FakeRegistry::Ensure(const std::string& path) {
    std::string lower = Lower(path);
    auto it = keys_.find(lower);
    if (it != keys_.end()) return it->second;
    auto slash = path.rfind('\\');
    if (slash != std::string::npos) {
        Key& parent = Ensure(path.substr(0, slash));
        parent.sub_keys.push_back(path.substr(slash + 1));
    }
    return keys_[lower];
}

void FakeRegistry::Add_Key(const std::string& path) { Ensure(path); }

void FakeRegistry::Set_String(const std::string& path, const std::string& name, std::string value) {
    Ensure(path).values[Lower(name)] = Wmi_Text("sValue", std::move(value));
}

void FakeRegistry::Set_DWORD(const std::string& path, const std::string& name, std::int64_t value) {
    Ensure(path).values[Lower(name)] = Wmi_Uint32("uValue", value);
}

void FakeRegistry::Set_Multi_String(const std::string& path, const std::string& name,
                                    std::vector<std::string> values) {
    std::vector<WmiScalar> elements(values.begin(), values.end());
    Ensure(path).values[Lower(name)] = Wmi_Array("sValue", CIM_String, std::move(elements));
}

bool FakeRegistry::Call(const std::string& method, const std::vector<WmiMethodArg>& in, WmiObject& out,
                        WmiStatus& status) {
    status = {};
    auto key = keys_.find(Lower(Arg_Text(in, "sSubKeyName")));
    const std::int64_t not_found = 2;
    if (method == "EnumKey") {
        WmiProperty names = Wmi_Array("sNames", CIM_String, {});
        names.array_is_null = true;
        std::int64_t rv = not_found;
        if (key != keys_.end()) {
            rv = 0;
            if (!key->second.sub_keys.empty()) {
                names.array_is_null = false;
                names.elements.assign(key->second.sub_keys.begin(), key->second.sub_keys.end());
            }
        }
        out = {Wmi_Uint32("ReturnValue", rv), names};
        return true;
    }
    bool wants_text = method == "GetStringValue" || method == "GetExpandedStringValue";
    bool wants_dword = method == "GetDWORDValue";
    bool wants_multi = method == "GetMultiStringValue";
    if (!wants_text && !wants_dword && !wants_multi) {
        status = WmiStatus::Error(Wbem_E_Not_Found);
        return false;
    }
    std::string out_name = wants_dword ? "uValue" : "sValue";
    WmiProperty value = wants_multi ? Wmi_Array(out_name, CIM_String, {}) : Wmi_Null(out_name, wants_dword ? CIM_Uint32 : CIM_String);
    if (wants_multi) value.array_is_null = true;
    std::int64_t rv = not_found;
    if (key != keys_.end()) {
        auto v = key->second.values.find(Lower(Arg_Text(in, "sValueName")));
        if (v != key->second.values.end()) {
            bool is_dword = v->second.cim_type == CIM_Uint32;
            bool is_multi = v->second.is_array;
            if (is_dword == wants_dword && is_multi == wants_multi) {
                rv = 0;
                value = v->second;
            } else {
                rv = 1;  // ERROR_INVALID_FUNCTION: the value has another type
            }
        } else {
            rv = 1;
        }
    }
    out = {Wmi_Uint32("ReturnValue", rv), value};
    return true;
}

std::unique_ptr<WmiServices> FakeWmiPort::Connect(const WmiConnectRequest& request, WmiStatus& status) {
    connects.push_back(request);
    status = connect_result ? connect_result(request) : WmiStatus{};
    if (status.Failed()) return nullptr;
    return std::make_unique<FakeServices>(*this, request);
}

}  // namespace crv
