#include "wmi/com/com_wmi.h"

#include <oleauto.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "core/utf.h"
#include "platform/win/system.h"

namespace crv {
namespace {

// Owns one reference.
template <class T>
class Com {
public:
    Com() = default;
    explicit Com(T* p) : p_(p) {}
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    Com(Com&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
    Com& operator=(Com&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = other.p_;
            other.p_ = nullptr;
        }
        return *this;
    }
    ~Com() { Reset(); }
    void Reset() {
        if (p_) p_->Release();
        p_ = nullptr;
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T** out() {
        Reset();
        return &p_;
    }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const std::string& text) : b_(SysAllocString(Wide(text).c_str())) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(b_); }
    BSTR get() const { return b_; }
    BSTR* out() {
        SysFreeString(b_);
        b_ = nullptr;
        return &b_;
    }
    std::string text() const { return b_ ? Narrow(b_) : std::string(); }

private:
    BSTR b_ = nullptr;
};

// Null for an empty text: WMI then uses the caller's own account, locale
// or authority.
BSTR Optional_Bstr(const std::string& text, std::unique_ptr<Bstr>& holder) {
    if (text.empty()) return nullptr;
    holder = std::make_unique<Bstr>(text);
    return holder->get();
}

class Variant {
public:
    Variant() { VariantInit(&v); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&v); }
    VARIANT v;
};

// The credentials a proxy carries for a named user; kept alive as long as
// any proxy that uses them.
struct Identity {
    std::wstring user, domain, password;
    COAUTHIDENTITY auth{};

    Identity(const std::string& account, const std::string& secret) {
        std::string u = account, d;
        if (auto slash = account.find('\\'); slash != std::string::npos) {
            d = account.substr(0, slash);
            u = account.substr(slash + 1);
        }
        user = Wide(u);
        domain = Wide(d);
        password = Wide(secret);
        auth.User = reinterpret_cast<USHORT*>(user.data());
        auth.UserLength = static_cast<ULONG>(user.size());
        auth.Domain = domain.empty() ? nullptr : reinterpret_cast<USHORT*>(domain.data());
        auth.DomainLength = static_cast<ULONG>(domain.size());
        auth.Password = reinterpret_cast<USHORT*>(password.data());
        auth.PasswordLength = static_cast<ULONG>(password.size());
        auth.Flags = SEC_WINNT_AUTH_IDENTITY_UNICODE;
    }
    Identity(const Identity&) = delete;
    Identity& operator=(const Identity&) = delete;
    ~Identity() { SecureZeroMemory(password.data(), password.size() * sizeof(wchar_t)); }
};

// Impersonation level 3 and packet privacy (6) on a proxy. An object that
// is not a proxy (an in-process provider) has no blanket to set.
HRESULT Set_Blanket(IUnknown* proxy, Identity* identity) {
    auto set = [identity](IUnknown* p) {
        return CoSetProxyBlanket(p, RPC_C_AUTHN_DEFAULT, RPC_C_AUTHZ_DEFAULT, COLE_DEFAULT_PRINCIPAL,
                                 RPC_C_AUTHN_LEVEL_PKT_PRIVACY, RPC_C_IMP_LEVEL_IMPERSONATE,
                                 identity ? &identity->auth : nullptr, EOAC_NONE);
    };
    HRESULT hr = set(proxy);
    if (hr == E_NOINTERFACE) return S_OK;
    if (SUCCEEDED(hr) && identity) {
        // With other credentials than the process's, the proxy's own
        // IUnknown (QueryInterface, the final Release) needs them as well.
        Com<IUnknown> unknown;
        if (SUCCEEDED(proxy->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(unknown.out()))))
            set(unknown.get());
    }
    return hr;
}

std::string System_Text(const std::string& name, IWbemClassObject* object) {
    Variant value;
    if (FAILED(object->Get(Wide(name).c_str(), 0, &value.v, nullptr, nullptr)) || V_VT(&value.v) != VT_BSTR)
        return {};
    return Narrow(V_BSTR(&value.v));
}

WmiInstance To_Instance(IWbemClassObject* object) {
    WmiInstance instance;
    instance.path = System_Text("__PATH", object);
    if (instance.path.empty()) instance.path = System_Text("__RELPATH", object);
    instance.class_name = System_Text("__CLASS", object);
    instance.properties = Read_Wmi_Properties(object);
    return instance;
}

// The class an object path names: "\\HOST\root\cimv2:Win32_Service.Name=..."
// and "Win32_Service.Name=..." both give "Win32_Service".
std::string Class_Of_Path(const std::string& path) {
    std::string rest = path;
    std::size_t quote = rest.find('"');
    std::size_t colon = rest.find(':');
    if (colon != std::string::npos && (quote == std::string::npos || colon < quote)) rest = rest.substr(colon + 1);
    std::size_t end = rest.find_first_of(".=");
    return end == std::string::npos ? rest : rest.substr(0, end);
}

class ComResultSet final : public WmiResultSet {
public:
    ComResultSet(Com<IEnumWbemClassObject> e, std::shared_ptr<Identity> identity)
        : identity_(std::move(identity)), enum_(std::move(e)) {}

    bool Next(WmiInstance& object, WmiStatus& status) override {
        status = {};
        for (;;) {
            Com<IWbemClassObject> item;
            ULONG returned = 0;
            // With a wait hook the wait is cut into slices so the caller can
            // let messages through and cancel.
            long timeout = wait_hook_ ? 100 : static_cast<long>(WBEM_INFINITE);
            HRESULT hr = enum_->Next(timeout, 1, item.out(), &returned);
            if (returned == 1 && item) {
                object = To_Instance(item.get());
                return true;
            }
            if (hr == WBEM_S_TIMEDOUT) {
                if (wait_hook_ && !wait_hook_()) {
                    status = WmiStatus::Error(Wbem_E_Call_Cancelled);
                    return false;
                }
                continue;
            }
            if (FAILED(hr)) status = Com_Status(hr);
            return false;
        }
    }

private:
    std::shared_ptr<Identity> identity_;
    Com<IEnumWbemClassObject> enum_;
};

class ComServices final : public WmiServices {
public:
    ComServices(Com<IWbemServices> services, std::shared_ptr<Identity> identity)
        : identity_(std::move(identity)), services_(std::move(services)) {}

    std::unique_ptr<WmiResultSet> Exec_Query(const std::string& wql, std::int32_t flags, WmiStatus& status) override {
        status = {};
        Bstr language("WQL"), query(wql);
        Com<IEnumWbemClassObject> e;
        HRESULT hr = services_->ExecQuery(language.get(), query.get(), flags, nullptr, e.out());
        if (SUCCEEDED(hr)) hr = Set_Blanket(e.get(), identity_.get());
        if (FAILED(hr)) {
            status = Com_Status(hr);
            return nullptr;
        }
        return std::make_unique<ComResultSet>(std::move(e), identity_);
    }

    bool Get_Object(const std::string& path, WmiInstance& object, WmiStatus& status) override {
        status = {};
        Com<IWbemClassObject> item;
        Bstr p(path);
        HRESULT hr = services_->GetObject(p.get(), WBEM_FLAG_RETURN_WBEM_COMPLETE, nullptr, item.out(), nullptr);
        if (FAILED(hr)) {
            status = Com_Status(hr);
            return false;
        }
        object = To_Instance(item.get());
        return true;
    }

    bool Exec_Method(const std::string& path, const std::string& method, const std::vector<WmiMethodArg>& in,
                     WmiObject& out, WmiStatus& status) override {
        status = {};
        out.clear();
        auto fail = [&](HRESULT hr) {
            status = Com_Status(hr);
            return false;
        };
        Bstr method_name(method), object_path(path);
        // The class definition gives the method's signature. It is fetched
        // for each call: under Wine, one class object reused for several
        // calls corrupted the objects read afterwards.
        Bstr class_name(Class_Of_Path(path));
        Com<IWbemClassObject> cls;
        HRESULT hr = services_->GetObject(class_name.get(), 0, nullptr, cls.out(), nullptr);
        if (FAILED(hr)) return fail(hr);
        Com<IWbemClassObject> in_signature, out_signature;
        hr = cls->GetMethod(method_name.get(), 0, in_signature.out(), out_signature.out());
        if (FAILED(hr)) return fail(hr);
        Com<IWbemClassObject> in_params;
        if (in_signature) {
            hr = in_signature->SpawnInstance(0, in_params.out());
            if (FAILED(hr)) return fail(hr);
            for (const auto& arg : in) {
                Variant value;
                Scalar_To_Variant(arg.value, value.v);
                hr = in_params->Put(Wide(arg.name).c_str(), 0, &value.v, 0);
                if (FAILED(hr)) return fail(hr);
            }
        }
        Com<IWbemClassObject> out_params;
        hr = services_->ExecMethod(object_path.get(), method_name.get(), 0, nullptr, in_params.get(),
                                   out_params.out(), nullptr);
        if (FAILED(hr)) return fail(hr);
        if (out_params) out = Read_Wmi_Properties(out_params.get());
        return true;
    }

private:
    // The credentials outlive every proxy that carries them.
    std::shared_ptr<Identity> identity_;
    Com<IWbemServices> services_;
};

class ComPort final : public WmiPort {
public:
    std::unique_ptr<WmiServices> Connect(const WmiConnectRequest& request, WmiStatus& status) override {
        status = {};
        Com<IWbemLocator> locator;
        HRESULT hr = CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                      reinterpret_cast<void**>(locator.out()));
        if (FAILED(hr)) {
            status = Com_Status(hr);
            return nullptr;
        }
        std::string server = request.server.empty() ? "." : request.server;
        // An unknown namespace index gives "": the scripting locator then
        // takes the target's default namespace, which is root\cimv2.
        std::string ns = request.namespace_path.empty() ? "root\\cimv2" : request.namespace_path;
        Bstr path("\\\\" + server + "\\" + ns);
        std::unique_ptr<Bstr> user, password, locale, authority;
        Com<IWbemServices> services;
        hr = locator->ConnectServer(path.get(), Optional_Bstr(request.user, user),
                                    Optional_Bstr(request.password, password), Optional_Bstr(request.locale, locale),
                                    request.flags, Optional_Bstr(request.authority, authority), nullptr,
                                    services.out());
        std::shared_ptr<Identity> identity;
        if (SUCCEEDED(hr) && !request.user.empty()) identity = std::make_shared<Identity>(request.user, request.password);
        if (SUCCEEDED(hr)) hr = Set_Blanket(services.get(), identity.get());
        if (FAILED(hr)) {
            status = Com_Status(hr);
            return nullptr;
        }
        return std::make_unique<ComServices>(std::move(services), std::move(identity));
    }

    std::string Local_Computer_Name() override { return Get_Local_Computer_Name(); }
};

}  // namespace

std::wstring Wide(const std::string& text) {
    std::u16string u = Utf8_To_Utf16(text);
    return std::wstring(u.begin(), u.end());
}

std::string Narrow(const wchar_t* text) {
    if (!text) return {};
    std::u16string u;
    for (; *text; ++text) u += static_cast<char16_t>(*text);
    return Utf16_To_Utf8(u);
}

WmiScalar Variant_To_Scalar(const VARIANT& value) {
    switch (V_VT(&value)) {
    case VT_EMPTY:
    case VT_NULL: return std::monostate{};
    case VT_BOOL: return V_BOOL(&value) != VARIANT_FALSE;
    case VT_I1: return static_cast<std::int64_t>(V_I1(&value));
    case VT_UI1: return static_cast<std::int64_t>(V_UI1(&value));
    case VT_I2: return static_cast<std::int64_t>(V_I2(&value));
    case VT_UI2: return static_cast<std::int64_t>(V_UI2(&value));
    case VT_I4: return static_cast<std::int64_t>(V_I4(&value));
    case VT_INT: return static_cast<std::int64_t>(V_INT(&value));
    case VT_UI4: return static_cast<std::int64_t>(static_cast<std::int32_t>(V_UI4(&value)));
    case VT_UINT: return static_cast<std::int64_t>(static_cast<std::int32_t>(V_UINT(&value)));
    case VT_I8: return std::to_string(V_I8(&value));
    case VT_UI8: return std::to_string(V_UI8(&value));
    case VT_R4: return static_cast<double>(V_R4(&value));
    case VT_R8: return V_R8(&value);
    case VT_BSTR: return Narrow(V_BSTR(&value));
    case VT_UNKNOWN:
    case VT_DISPATCH: {
        IUnknown* unknown = V_VT(&value) == VT_UNKNOWN ? V_UNKNOWN(&value) : V_DISPATCH(&value);
        WmiEmbeddedObject embedded;
        Com<IWbemClassObject> object;
        if (unknown && SUCCEEDED(unknown->QueryInterface(IID_IWbemClassObject, reinterpret_cast<void**>(object.out()))))
            embedded.class_name = System_Text("__CLASS", object.get());
        return embedded;
    }
    default: {
        Variant text;
        if (SUCCEEDED(VariantChangeType(&text.v, const_cast<VARIANT*>(&value), 0, VT_BSTR)))
            return Narrow(V_BSTR(&text.v));
        return std::monostate{};
    }
    }
}

WmiProperty Variant_To_Wmi_Property(std::string name, const VARIANT& value, CIMTYPE type, std::string origin) {
    WmiProperty property;
    property.name = std::move(name);
    property.origin = std::move(origin);
    property.cim_type = static_cast<int>(type & ~CIM_FLAG_ARRAY);
    const bool variant_array = (V_VT(&value) & VT_ARRAY) != 0;
    property.is_array = (type & CIM_FLAG_ARRAY) != 0 || variant_array;
    if (!property.is_array) {
        property.value = Variant_To_Scalar(value);
        return property;
    }
    if (!variant_array) {
        // An array property without an array: null, or one odd value.
        WmiScalar single = Variant_To_Scalar(value);
        property.array_is_null = std::holds_alternative<std::monostate>(single);
        if (!property.array_is_null) property.elements.push_back(std::move(single));
        return property;
    }
    SAFEARRAY* array = (V_VT(&value) & VT_BYREF) ? *V_ARRAYREF(&value) : V_ARRAY(&value);
    property.array_is_null = array == nullptr;
    if (!array || SafeArrayGetDim(array) != 1) return property;
    const VARTYPE element_type = static_cast<VARTYPE>(V_VT(&value) & VT_TYPEMASK);
    LONG low = 0, high = -1;
    SafeArrayGetLBound(array, 1, &low);
    SafeArrayGetUBound(array, 1, &high);
    for (LONG i = low; i <= high; ++i) {
        Variant element;
        HRESULT hr;
        if (element_type == VT_VARIANT) {
            hr = SafeArrayGetElement(array, &i, &element.v);
        } else {
            V_VT(&element.v) = element_type;
            // Every member of the VARIANT's value union starts at one place.
            hr = SafeArrayGetElement(array, &i, &element.v.llVal);
            if (FAILED(hr)) V_VT(&element.v) = VT_EMPTY;
        }
        property.elements.push_back(SUCCEEDED(hr) ? Variant_To_Scalar(element.v) : WmiScalar{});
    }
    return property;
}

WmiObject Read_Wmi_Properties(IWbemClassObject* object) {
    WmiObject properties;
    if (!object || FAILED(object->BeginEnumeration(WBEM_FLAG_NONSYSTEM_ONLY))) return properties;
    for (;;) {
        Bstr name;
        Variant value;
        CIMTYPE type = CIM_EMPTY;
        if (object->Next(0, name.out(), &value.v, &type, nullptr) != WBEM_S_NO_ERROR) break;
        Bstr origin;
        // Some providers cannot tell where a property comes from.
        std::string origin_text;
        if (SUCCEEDED(object->GetPropertyOrigin(name.get(), origin.out()))) origin_text = origin.text();
        properties.push_back(Variant_To_Wmi_Property(name.text(), value.v, type, std::move(origin_text)));
    }
    object->EndEnumeration();
    return properties;
}

void Scalar_To_Variant(const WmiScalar& value, VARIANT& out) {
    VariantInit(&out);
    if (auto* b = std::get_if<bool>(&value)) {
        V_VT(&out) = VT_BOOL;
        V_BOOL(&out) = *b ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (auto* i = std::get_if<std::int64_t>(&value)) {
        if (*i >= INT32_MIN && *i <= INT32_MAX) {
            V_VT(&out) = VT_I4;
            V_I4(&out) = static_cast<LONG>(*i);
        } else {
            // WMI takes 64-bit integers as text.
            V_VT(&out) = VT_BSTR;
            V_BSTR(&out) = SysAllocString(Wide(std::to_string(*i)).c_str());
        }
    } else if (auto* d = std::get_if<double>(&value)) {
        V_VT(&out) = VT_R8;
        V_R8(&out) = *d;
    } else if (auto* s = std::get_if<std::string>(&value)) {
        V_VT(&out) = VT_BSTR;
        V_BSTR(&out) = SysAllocString(Wide(*s).c_str());
    } else {
        V_VT(&out) = VT_NULL;
    }
}

WmiStatus Com_Status(HRESULT hr) {
    std::string text;
    const auto code = static_cast<std::uint32_t>(hr);
    if ((code & 0xFFFFF000u) == 0x80041000u || (code & 0xFFFFF000u) == 0x80042000u) {
        Com<IWbemStatusCodeText> status_text;
        if (SUCCEEDED(CoCreateInstance(CLSID_WbemStatusCodeText, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IWbemStatusCodeText, reinterpret_cast<void**>(status_text.out())))) {
            Bstr message;
            if (SUCCEEDED(status_text->GetErrorCodeText(hr, 0, 0, message.out()))) text = message.text();
        }
    }
    if (text.empty()) {
        wchar_t* buffer = nullptr;
        DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
        if (n && buffer) text = Narrow(buffer);
        if (buffer) LocalFree(buffer);
    }
    WmiStatus status;
    status.number = static_cast<std::int32_t>(hr);
    status.description = Wmi_Error_Description(status.number, text);
    return status;
}

WmiPort& Com_Wmi_Port() {
    static ComPort port;
    return port;
}

void Install_Com_Wmi_Port() {
    // RPC_E_TOO_LATE: the program set its security already; that stands.
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT, RPC_C_IMP_LEVEL_IMPERSONATE,
                         nullptr, EOAC_NONE, nullptr);
    Set_Wmi_Port(&Com_Wmi_Port());
}

}  // namespace crv
