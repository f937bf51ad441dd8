#include "diagtool/mod_wmi.h"

#include <wbemcli.h>
#include <initguid.h>
#include <wbemdisp.h>

#include <cstdio>

#include "diagtool/diag_logic.h"

namespace crv::tessarine {

namespace {

HRESULT Set_Impersonation(IUnknown* proxy) {
    return CoSetProxyBlanket(proxy, RPC_C_AUTHN_DEFAULT, RPC_C_AUTHZ_DEFAULT, COLE_DEFAULT_PRINCIPAL,
                             RPC_C_AUTHN_LEVEL_DEFAULT, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
}

std::string Hex_Title(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "%lX", static_cast<unsigned long>(static_cast<std::uint32_t>(hr)));
    return text;
}

}  // namespace

Com_Ptr<IWbemServices> Connect_Cimv2(const std::string& computer, HRESULT& hr) {
    Com_Ptr<IWbemLocator> locator;
    Com_Ptr<IWbemServices> services;
    hr = CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator, locator.Put_Void());
    if (FAILED(hr)) return services;
    const std::string path = (computer.empty() || computer == ".") ? "root\\cimv2" : "\\\\" + computer + "\\root\\cimv2";
    Bstr bpath(path);
    hr = locator->ConnectServer(bpath.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, services.Put());
    if (FAILED(hr)) {
        services.Reset();
        return services;
    }
    Set_Impersonation(services.Get());
    return services;
}

std::string Get_OS_Version(const std::string& computer, Prompts* prompts) {
    HRESULT hr = S_OK;
    std::string version;
    std::string description;
    auto services = Connect_Cimv2(computer, hr);
    if (services) {
        Com_Ptr<IEnumWbemClassObject> rows;
        Bstr language("WQL"), query("Select * from Win32_OperatingSystem");
        hr = services->ExecQuery(language.Get(), query.Get(), WBEM_FLAG_RETURN_IMMEDIATELY | WBEM_FLAG_FORWARD_ONLY, nullptr,
                                 rows.Put());
        if (SUCCEEDED(hr)) {
            Set_Impersonation(rows.Get());
            for (;;) {
                Com_Ptr<IWbemClassObject> row;
                ULONG got = 0;
                hr = rows->Next(WBEM_INFINITE, 1, row.Put(), &got);
                if (FAILED(hr) || got == 0) break;
                Variant value;
                if (SUCCEEDED(row->Get(L"Version", 0, value.Put(), nullptr, nullptr))) version = value.Text();
            }
            if (SUCCEEDED(hr)) return version;
        }
    }
    // Any failure reads as an unknown version.
    description = Hresult_Error_Text(hr);
    const auto colon = description.find(": ");
    if (colon != std::string::npos) description = description.substr(colon + 2);
    if (prompts) prompts->Tell(description, Box_Icon::None, Hex_Title(hr));
    return {};
}

std::int32_t Test_WMI_Connection(const std::string& domain, const std::string& computer, const std::string& user,
                                 const std::string& password, std::string& error_text) {
    Com_Ptr<ISWbemLocator> locator;
    HRESULT hr = CoCreateInstance(CLSID_SWbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_ISWbemLocator, locator.Put_Void());
    if (SUCCEEDED(hr)) {
        Com_Ptr<ISWbemSecurity> security;
        if (SUCCEEDED(locator->get_Security_(security.Put())) && security) {
            security->put_ImpersonationLevel(wbemImpersonationLevelImpersonate);
            security->put_AuthenticationLevel(wbemAuthenticationLevelPktPrivacy);
        }
        Bstr server(computer), name_space("root\\cimv2"), buser(user), bpassword(password), locale("MS_409");
        // An empty domain leaves the authority to the default rather than
        // naming an empty NTLM domain.
        Bstr authority(domain.empty() ? std::string() : "ntlmdomain:" + domain);
        Com_Ptr<ISWbemServices> services;
        hr = locator->ConnectServer(server.Get(), name_space.Get(), buser.Get(), bpassword.Get(), locale.Get(),
                                    authority.Get(), 0, nullptr, services.Put());
        if (SUCCEEDED(hr)) {
            Com_Ptr<ISWbemObjectSet> rows;
            Bstr query("Select * From Win32_Process"), language("WQL");
            hr = services->ExecQuery(query.Get(), language.Get(), wbemFlagReturnImmediately | wbemFlagForwardOnly, nullptr,
                                     rows.Put());
            if (SUCCEEDED(hr)) {
                Com_Ptr<IUnknown> unknown;
                hr = rows->get__NewEnum(unknown.Put());
                Com_Ptr<IEnumVARIANT> items;
                if (SUCCEEDED(hr)) hr = unknown->QueryInterface(IID_IEnumVARIANT, items.Put_Void());
                if (SUCCEEDED(hr)) {
                    Variant first;
                    ULONG got = 0;
                    hr = items->Next(1, first.Put(), &got);
                    if (SUCCEEDED(hr)) return 0;
                }
            }
        }
    }
    error_text = Hresult_Error_Text(hr);
    return static_cast<std::int32_t>(hr);
}

}  // namespace crv::tessarine
