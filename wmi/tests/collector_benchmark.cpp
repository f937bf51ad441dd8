// Lists Win32_Process and Win32_Service 50 times each through the generic
// collector and through a bare ExecQuery loop that reads every property,
// and prints what the collector costs on top.
#include <cstdio>
#include <chrono>

#include "wmi/com/com_wmi.h"
#include "wmi/collectors.h"
#include "wmi/tests/wmi_test_support.h"

namespace {

using Clock = std::chrono::steady_clock;

double Bare_Loop(IWbemServices* services, const wchar_t* query, int rounds, std::size_t& objects) {
    BSTR language = SysAllocString(L"WQL"), text = SysAllocString(query);
    auto start = Clock::now();
    for (int r = 0; r < rounds; ++r) {
        IEnumWbemClassObject* e = nullptr;
        if (FAILED(services->ExecQuery(language, text, WBEM_FLAG_RETURN_IMMEDIATELY | WBEM_FLAG_FORWARD_ONLY, nullptr,
                                       &e)))
            break;
        CoSetProxyBlanket(e, RPC_C_AUTHN_DEFAULT, RPC_C_AUTHZ_DEFAULT, COLE_DEFAULT_PRINCIPAL,
                          RPC_C_AUTHN_LEVEL_PKT_PRIVACY, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
        IWbemClassObject* object = nullptr;
        ULONG returned = 0;
        while (e->Next(static_cast<long>(WBEM_INFINITE), 1, &object, &returned) == WBEM_S_NO_ERROR && returned) {
            ++objects;
            object->BeginEnumeration(WBEM_FLAG_NONSYSTEM_ONLY);
            BSTR name = nullptr;
            VARIANT value;
            VariantInit(&value);
            CIMTYPE type = 0;
            while (object->Next(0, &name, &value, &type, nullptr) == WBEM_S_NO_ERROR) {
                SysFreeString(name);
                VariantClear(&value);
            }
            object->EndEnumeration();
            object->Release();
        }
        e->Release();
    }
    SysFreeString(language);
    SysFreeString(text);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main() {
    using namespace crv;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Install_Com_Wmi_Port();
    test::TestStore store;
    if (!store.ok()) {
        std::fprintf(stderr, "no test database\n");
        return 1;
    }
    const std::string local = Current_Wmi_Port().Local_Computer_Name();
    const std::int32_t id = store.Add_Computer(local);

    IWbemLocator* locator = nullptr;
    IWbemServices* services = nullptr;
    CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                     reinterpret_cast<void**>(&locator));
    BSTR path = SysAllocString(L"root\\cimv2");
    if (!locator || FAILED(locator->ConnectServer(path, nullptr, nullptr, nullptr, WBEM_FLAG_CONNECT_USE_MAX_WAIT,
                                                  nullptr, nullptr, &services))) {
        std::fprintf(stderr, "no local WMI\n");
        return 1;
    }
    SysFreeString(path);
    CoSetProxyBlanket(services, RPC_C_AUTHN_DEFAULT, RPC_C_AUTHZ_DEFAULT, COLE_DEFAULT_PRINCIPAL,
                      RPC_C_AUTHN_LEVEL_PKT_PRIVACY, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);

    const int rounds = 50;
    struct Case {
        const char* wql;
        const wchar_t* wide;
    } cases[] = {{"Select * From Win32_Process", L"Select * From Win32_Process"},
                 {"Select * From Win32_Service", L"Select * From Win32_Service"}};
    double bare_total = 0, collector_total = 0;
    for (const auto& c : cases) {
        std::size_t objects = 0;
        double bare = Bare_Loop(services, c.wide, rounds, objects);
        TreeNode node;
        node.key = "Lic_bench";
        node.text = "Bench";
        std::size_t rows = 0;
        auto start = Clock::now();
        for (int r = 0; r < rounds; ++r) {
            ListModel list;
            Collect_WQL_To_ListView(id, local, list, node, c.wql);
            rows += list.Item_Count();
        }
        double collector = std::chrono::duration<double>(Clock::now() - start).count();
        std::printf("%-30s bare %8.3f s (%zu objects)  collector %8.3f s (%zu rows)  ratio %.2f\n", c.wql, bare,
                    objects, collector, rows, bare > 0 ? collector / bare : 0.0);
        bare_total += bare;
        collector_total += collector;
    }
    std::printf("overall collector/bare ratio over %d rounds: %.2f\n", rounds,
                bare_total > 0 ? collector_total / bare_total : 0.0);
    services->Release();
    locator->Release();
    Set_Wmi_Port(nullptr);
    CoUninitialize();
    return 0;
}
