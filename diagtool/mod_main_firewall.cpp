// The firewall side of the checks and changes, over the firewall's policy
// objects. The import libraries lack the firewall GUIDs, so they are defined
// here, in this one file.
#include <windows.h>
#include <initguid.h>
#include <netfw.h>

#include "diagtool/mod_main.h"
#include "diagtool/win_support.h"

namespace crv::tessarine {

namespace {

HRESULT Current_Profile(Com_Ptr<INetFwProfile>& profile) {
    Com_Ptr<INetFwMgr> manager;
    HRESULT hr = CoCreateInstance(CLSID_NetFwMgr, nullptr, CLSCTX_INPROC_SERVER, IID_INetFwMgr, manager.Put_Void());
    if (FAILED(hr)) return hr;
    Com_Ptr<INetFwPolicy> policy;
    hr = manager->get_LocalPolicy(policy.Put());
    if (FAILED(hr)) return hr;
    if (!policy) return E_POINTER;
    hr = policy->get_CurrentProfile(profile.Put());
    if (SUCCEEDED(hr) && !profile) hr = E_POINTER;
    return hr;
}

HRESULT Remote_Admin(Com_Ptr<INetFwRemoteAdminSettings>& settings) {
    Com_Ptr<INetFwProfile> profile;
    HRESULT hr = Current_Profile(profile);
    if (FAILED(hr)) return hr;
    hr = profile->get_RemoteAdminSettings(settings.Put());
    if (SUCCEEDED(hr) && !settings) hr = E_POINTER;
    return hr;
}

// Calls visit for every globally open port entry until it returns false or
// fails.
template <class Visit>
HRESULT For_Each_Open_Port(Visit visit) {
    Com_Ptr<INetFwProfile> profile;
    HRESULT hr = Current_Profile(profile);
    if (FAILED(hr)) return hr;
    Com_Ptr<INetFwOpenPorts> ports;
    hr = profile->get_GloballyOpenPorts(ports.Put());
    if (FAILED(hr)) return hr;
    if (!ports) return E_POINTER;
    Com_Ptr<IUnknown> unknown;
    hr = ports->get__NewEnum(unknown.Put());
    if (FAILED(hr)) return hr;
    if (!unknown) return E_POINTER;
    Com_Ptr<IEnumVARIANT> entries;
    hr = unknown->QueryInterface(IID_IEnumVARIANT, entries.Put_Void());
    if (FAILED(hr)) return hr;
    for (;;) {
        Variant item;
        ULONG got = 0;
        hr = entries->Next(1, item.Put(), &got);
        if (FAILED(hr)) return hr;
        if (hr != S_OK || got == 0) return S_OK;
        const VARIANT& v = item.Get();
        IUnknown* object = v.vt == VT_DISPATCH ? v.pdispVal : v.vt == VT_UNKNOWN ? v.punkVal : nullptr;
        if (!object) continue;
        Com_Ptr<INetFwOpenPort> port;
        hr = object->QueryInterface(IID_INetFwOpenPort, port.Put_Void());
        if (FAILED(hr)) return hr;
        bool go_on = true;
        hr = visit(port.Get(), go_on);
        if (FAILED(hr)) return hr;
        if (!go_on) return S_OK;
    }
}

}  // namespace

bool Is_Remote_Admin_Enabled(std::string& error_text) {
    Com_Ptr<INetFwRemoteAdminSettings> settings;
    HRESULT hr = Remote_Admin(settings);
    VARIANT_BOOL enabled = VARIANT_FALSE;
    if (SUCCEEDED(hr)) hr = settings->get_Enabled(&enabled);
    if (FAILED(hr)) {
        error_text = Hresult_Error_Text(hr);
        return false;
    }
    return enabled != VARIANT_FALSE;
}

bool Is_Firewall_Enabled(std::string& error_text) {
    Com_Ptr<INetFwProfile> profile;
    HRESULT hr = Current_Profile(profile);
    VARIANT_BOOL enabled = VARIANT_FALSE;
    if (SUCCEEDED(hr)) hr = profile->get_FirewallEnabled(&enabled);
    if (FAILED(hr)) {
        error_text = Hresult_Error_Text(hr);
        return false;
    }
    return enabled != VARIANT_FALSE;
}

bool Is_Port_Open(std::int32_t port, std::string& error_text) {
    bool open = false;
    const HRESULT hr = For_Each_Open_Port([&](INetFwOpenPort* entry, bool& go_on) {
        LONG number = 0;
        VARIANT_BOOL enabled = VARIANT_FALSE;
        HRESULT r = entry->get_Port(&number);
        if (SUCCEEDED(r) && number == port) {
            r = entry->get_Enabled(&enabled);
            if (SUCCEEDED(r) && enabled != VARIANT_FALSE) {
                open = true;
                go_on = false;
            }
        }
        return r;
    });
    if (FAILED(hr)) {
        error_text = Hresult_Error_Text(hr);
        return false;
    }
    return open;
}

bool Set_Remote_Admin(bool wanted, std::string& error_text) {
    Com_Ptr<INetFwRemoteAdminSettings> settings;
    HRESULT hr = Remote_Admin(settings);
    VARIANT_BOOL enabled = VARIANT_FALSE;
    if (SUCCEEDED(hr)) hr = settings->get_Enabled(&enabled);
    if (SUCCEEDED(hr) && (enabled != VARIANT_FALSE) != wanted)
        hr = settings->put_Enabled(wanted ? VARIANT_TRUE : VARIANT_FALSE);
    if (FAILED(hr)) {
        error_text = Hresult_Error_Text(hr);
        return false;
    }
    return true;
}

bool Open_Firewall_Port(std::int32_t port, const std::string& name, std::string& error_text) {
    Com_Ptr<INetFwOpenPort> entry;
    HRESULT hr = CoCreateInstance(CLSID_NetFwOpenPort, nullptr, CLSCTX_INPROC_SERVER, IID_INetFwOpenPort, entry.Put_Void());
    Bstr entry_name(name);
    if (SUCCEEDED(hr)) hr = entry->put_Port(port);
    if (SUCCEEDED(hr)) hr = entry->put_Name(entry_name.Get());
    if (SUCCEEDED(hr)) hr = entry->put_Protocol(NET_FW_IP_PROTOCOL_TCP);
    if (SUCCEEDED(hr)) hr = entry->put_Scope(NET_FW_SCOPE_ALL);
    if (SUCCEEDED(hr)) hr = entry->put_Enabled(VARIANT_TRUE);
    Com_Ptr<INetFwProfile> profile;
    if (SUCCEEDED(hr)) hr = Current_Profile(profile);
    Com_Ptr<INetFwOpenPorts> ports;
    if (SUCCEEDED(hr)) hr = profile->get_GloballyOpenPorts(ports.Put());
    if (SUCCEEDED(hr) && !ports) hr = E_POINTER;
    if (SUCCEEDED(hr)) hr = ports->Add(entry.Get());
    if (FAILED(hr)) {
        error_text = Hresult_Error_Text(hr);
        return false;
    }
    return true;
}

bool Close_Firewall_Port(std::int32_t port, std::string& error_text) {
    const HRESULT hr = For_Each_Open_Port([&](INetFwOpenPort* entry, bool&) {
        LONG number = 0;
        HRESULT r = entry->get_Port(&number);
        // Every entry for the port, whatever its name; entries stay listed.
        if (SUCCEEDED(r) && number == port) r = entry->put_Enabled(VARIANT_FALSE);
        return r;
    });
    if (FAILED(hr)) {
        error_text = Hresult_Error_Text(hr);
        return false;
    }
    return true;
}

}  // namespace crv::tessarine
