// A minimal service for the service-control tests: it runs until told to
// stop and accepts nothing else.
#include <windows.h>

namespace {

SERVICE_STATUS_HANDLE status_handle = nullptr;
SERVICE_STATUS status{};
HANDLE stop_event = nullptr;

DWORD WINAPI Handler(DWORD control, DWORD, void*, void*) {
    if (control == SERVICE_CONTROL_STOP) {
        status.dwCurrentState = SERVICE_STOP_PENDING;
        SetServiceStatus(status_handle, &status);
        SetEvent(stop_event);
        return NO_ERROR;
    }
    if (control == SERVICE_CONTROL_INTERROGATE) return NO_ERROR;
    return ERROR_CALL_NOT_IMPLEMENTED;
}

void WINAPI Service_Main(DWORD argc, LPWSTR* argv) {
    status_handle = RegisterServiceCtrlHandlerExW(argc ? argv[0] : L"", Handler, nullptr);
    if (!status_handle) return;
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = SERVICE_RUNNING;
    status.dwControlsAccepted = SERVICE_ACCEPT_STOP;
    SetServiceStatus(status_handle, &status);
    WaitForSingleObject(stop_event, INFINITE);
    status.dwCurrentState = SERVICE_STOPPED;
    status.dwControlsAccepted = 0;
    SetServiceStatus(status_handle, &status);
}

}  // namespace

int main() {
    stop_event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    wchar_t name[] = L"";
    SERVICE_TABLE_ENTRYW table[] = {{name, Service_Main}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherW(table) ? 0 : 1;
}
