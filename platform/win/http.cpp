#include "platform/win/http.h"

#include <windows.h>
#include <winhttp.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "core/update_check.h"
#include "platform/win/text.h"

namespace crv {

namespace {

// The largest package the download keeps in memory.
constexpr std::size_t Package_Limit = 512u * 1024u * 1024u;

// One request, shared by the worker that runs it and the caller that waits
// for it; whichever leaves last frees it.
struct Transfer {
    std::wstring url;
    std::size_t body_limit = 0;
    std::mutex lock;
    HINTERNET session = nullptr, connection = nullptr, request = nullptr;
    bool abandoned = false;
    std::atomic<DWORD> last_progress{0};
    HANDLE done = nullptr;
    // Results, read by the caller only after `done`.
    bool completed = false;
    DWORD status = 0;
    bool has_length = false;
    DWORD content_length = 0;
    std::string body;

    Transfer() : done(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Transfer() {
        Close_Handles();
        if (done) CloseHandle(done);
    }
    void Close_Handles() {
        for (HINTERNET* h : {&request, &connection, &session}) {
            if (*h) WinHttpCloseHandle(*h);
            *h = nullptr;
        }
    }
};

bool Is_Loopback(const std::wstring& host) {
    return host == L"localhost" || host.rfind(L"127.", 0) == 0 || host == L"[::1]" || host == L"::1";
}

// Runs on the worker thread.
void Run(const std::shared_ptr<Transfer>& t) {
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(t->url.c_str(), 0, 0, &parts)) return;
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (path.empty()) path = L"/";
    const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    // A loopback address never goes through a proxy; otherwise the user's
    // own proxy (the one the browser settings name) when there is one, else
    // the machine's WinHTTP setting.
    DWORD access = WINHTTP_ACCESS_TYPE_DEFAULT_PROXY;
    std::wstring proxy, bypass;
    if (Is_Loopback(host)) {
        access = WINHTTP_ACCESS_TYPE_NO_PROXY;
    } else {
        WINHTTP_CURRENT_USER_IE_PROXY_CONFIG user{};
        if (WinHttpGetIEProxyConfigForCurrentUser(&user)) {
            if (user.lpszProxy && *user.lpszProxy) {
                access = WINHTTP_ACCESS_TYPE_NAMED_PROXY;
                proxy = user.lpszProxy;
                if (user.lpszProxyBypass) bypass = user.lpszProxyBypass;
            }
            for (LPWSTR text : {user.lpszAutoConfigUrl, user.lpszProxy, user.lpszProxyBypass})
                if (text) GlobalFree(text);
        }
    }
    const std::wstring agent = L"Corvalin/" + To_Wide(Running_Version());
    HINTERNET request = nullptr;
    {
        std::lock_guard<std::mutex> g(t->lock);
        if (t->abandoned) return;
        t->session = WinHttpOpen(agent.c_str(), access,
                                 proxy.empty() ? WINHTTP_NO_PROXY_NAME : proxy.c_str(),
                                 bypass.empty() ? WINHTTP_NO_PROXY_BYPASS : bypass.c_str(), 0);
        if (t->session) t->connection = WinHttpConnect(t->session, host.c_str(), parts.nPort, 0);
        if (t->connection)
            t->request = WinHttpOpenRequest(t->connection, L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                            WINHTTP_DEFAULT_ACCEPT_TYPES, secure ? WINHTTP_FLAG_SECURE : 0);
        request = t->request;
        if (!request) return;
    }
    if (!WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request, nullptr))
        return;
    t->last_progress = GetTickCount();
    DWORD size = sizeof t->status;
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX,
                             &t->status, &size, WINHTTP_NO_HEADER_INDEX))
        return;
    size = sizeof t->content_length;
    t->has_length = WinHttpQueryHeaders(request, WINHTTP_QUERY_CONTENT_LENGTH | WINHTTP_QUERY_FLAG_NUMBER,
                                        WINHTTP_HEADER_NAME_BY_INDEX, &t->content_length, &size,
                                        WINHTTP_NO_HEADER_INDEX) != FALSE;
    if (t->status != 200) {
        t->completed = true;
        return;
    }
    // A body promised longer than the caller takes is not read at all.
    if (t->has_length && t->content_length > t->body_limit) return;
    char buffer[16384];
    for (;;) {
        // Never more than one byte past the limit: enough to know it is too long.
        const std::size_t room = t->body_limit - t->body.size() + 1;
        const DWORD want = static_cast<DWORD>(room < sizeof buffer ? room : sizeof buffer);
        DWORD got = 0;
        if (!WinHttpReadData(request, buffer, want, &got)) return;
        if (got == 0) break;
        if (t->body.size() + got > t->body_limit) return;
        t->body.append(buffer, got);
        t->last_progress = GetTickCount();
    }
    t->completed = true;
}

// Sleeps until the request ends or a message arrives for this thread, at
// most 50 ms; true when the request has ended.
bool Wait_A_Moment(HANDLE done, bool for_messages) {
    if (!for_messages) return WaitForSingleObject(done, 100) == WAIT_OBJECT_0;
    return MsgWaitForMultipleObjects(1, &done, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0 ||
           WaitForSingleObject(done, 0) == WAIT_OBJECT_0;
}

// Starts the request and waits until it ends, it has run for total_limit_ms,
// no data came for stall_limit_ms or `wait` answered false. Null when it did
// not end in time.
std::shared_ptr<Transfer> Fetch(const std::string& url, unsigned total_limit_ms, unsigned stall_limit_ms,
                                std::size_t body_limit, const Http_Wait& wait) {
    auto t = std::make_shared<Transfer>();
    t->url = To_Wide(url);
    t->body_limit = body_limit;
    if (!t->done) return nullptr;
    const DWORD start = GetTickCount();
    t->last_progress = start;
    std::thread worker;
    try {
        worker = std::thread([t] {
            Run(t);
            std::lock_guard<std::mutex> g(t->lock);
            t->Close_Handles();
            SetEvent(t->done);
        });
    } catch (const std::system_error&) {
        return nullptr;  // no thread to run it on
    }
    for (;;) {
        if (Wait_A_Moment(t->done, static_cast<bool>(wait))) {
            worker.join();
            return t;
        }
        if (wait && !wait()) break;
        const DWORD now = GetTickCount();
        if (now - start >= total_limit_ms || now - t->last_progress.load() >= stall_limit_ms) break;
    }
    {
        std::lock_guard<std::mutex> g(t->lock);
        t->abandoned = true;
        if (t->request) {
            WinHttpCloseHandle(t->request);
            t->request = nullptr;
        }
    }
    worker.detach();
    return nullptr;
}

bool Write_Whole_File(const std::string& path, const std::string& bytes) {
    const std::wstring wpath = To_Wide(path);
    HANDLE file = CreateFileW(wpath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::size_t written = 0;
    bool ok = true;
    while (ok && written < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(bytes.size() - written > (1u << 20) ? (1u << 20) : bytes.size() - written);
        DWORD n = 0;
        ok = WriteFile(file, bytes.data() + written, chunk, &n, nullptr) && n == chunk;
        written += n;
    }
    ok = CloseHandle(file) && ok;
    if (!ok) DeleteFileW(wpath.c_str());
    return ok;
}

// The whole body of a 200 reply: as long as its Content-Length, when it gave one.
bool Complete_200(const std::shared_ptr<Transfer>& t) {
    return t && t->completed && t->status == 200 && (!t->has_length || t->content_length == t->body.size());
}

}  // namespace

bool Http_Get(const std::string& url, const std::string& query, std::string& response, unsigned time_limit_ms,
              const Http_Wait& wait, std::size_t body_limit) {
    response.clear();
    auto t = Fetch(query.empty() ? url : url + "?" + query, time_limit_ms, time_limit_ms, body_limit, wait);
    if (!Complete_200(t)) return false;
    response = std::move(t->body);
    return true;
}

bool Download_File(const std::string& url, const std::string& path, unsigned stall_limit_ms, const Http_Wait& wait) {
    auto t = Fetch(url, INFINITE, stall_limit_ms, Package_Limit, wait);
    if (!Complete_200(t) || t->body.empty()) return false;
    return Write_Whole_File(path, t->body);
}

}  // namespace crv
