#include "platform/win/window_hook.h"

#include <cstddef>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace crv {
namespace {

struct Entry {
    SUBCLASSPROC proc;
    UINT_PTR id;
    DWORD_PTR data;
    bool removed;
};

struct Hooked {
    WNDPROC previous = nullptr;
    // In the order they were added; a message runs them from the back.
    std::vector<Entry> entries;
    // Messages of this window being handled now (nested sends included):
    // entries are only marked while any runs, and compacted after.
    int running = 0;
    // Out of the table (the window is gone); freed when the last message ends.
    bool detached = false;
};

// One message on its way down one window's hooks.
struct Frame {
    HWND hwnd;
    Hooked* hooked;
    std::size_t next;  // entries below this index are still to run
    Frame* outer;
};

thread_local Frame* current = nullptr;

std::mutex table_lock;
std::unordered_map<HWND, Hooked*>& Table() {
    static auto* table = new std::unordered_map<HWND, Hooked*>();
    return *table;
}

Hooked* Find(HWND hwnd) {
    std::lock_guard<std::mutex> lock(table_lock);
    auto it = Table().find(hwnd);
    return it == Table().end() ? nullptr : it->second;
}

LRESULT CALLBACK Hook_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// Runs the next hook below the caller's place; the place is restored after,
// so a hook that passes a message on twice reaches the same hooks twice.
LRESULT Run_From(Frame& frame, UINT msg, WPARAM wp, LPARAM lp) {
    Hooked& h = *frame.hooked;
    const std::size_t place = frame.next;
    LRESULT result = 0;
    bool ran = false;
    while (frame.next > 0 && !ran) {
        // A copy: the procedure may add hooks and so move the vector.
        const Entry e = h.entries[--frame.next];
        if (e.removed) continue;
        result = e.proc(frame.hwnd, msg, wp, lp, e.id, e.data);
        ran = true;
    }
    if (!ran)
        result = h.previous ? CallWindowProcW(h.previous, frame.hwnd, msg, wp, lp)
                            : DefWindowProcW(frame.hwnd, msg, wp, lp);
    frame.next = place;
    return result;
}

bool Ours_Is_Current(HWND hwnd) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) == Hook_Proc;
}

// Takes the record out of the table, giving the window its own procedure
// back where ours is still the one it calls. The record itself goes once no
// message of the window runs (Free_If_Done).
void Detach(HWND hwnd, Hooked* h) {
    if (Ours_Is_Current(hwnd)) SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(h->previous));
    {
        std::lock_guard<std::mutex> lock(table_lock);
        Table().erase(hwnd);
    }
    h->detached = true;
}

void Free_If_Done(Hooked* h) {
    if (h->detached && h->running == 0) delete h;
}

// Drops removed entries once no message runs; with none left the window
// gets its own procedure back, unless someone replaced ours since (then the
// empty record stays and passes messages on until the window goes).
void Settle(HWND hwnd, Hooked* h) {
    if (h->running > 0 || h->detached) return;
    std::erase_if(h->entries, [](const Entry& e) { return e.removed; });
    if (h->entries.empty() && Ours_Is_Current(hwnd)) Detach(hwnd, h);
}

LRESULT CALLBACK Hook_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Hooked* h = Find(hwnd);
    if (!h) return DefWindowProcW(hwnd, msg, wp, lp);
    Frame frame{hwnd, h, h->entries.size(), current};
    current = &frame;
    ++h->running;
    const LRESULT result = Run_From(frame, msg, wp, lp);
    --h->running;
    current = frame.outer;
    // The window is gone: its handle may come back for another window.
    if (msg == WM_NCDESTROY && !h->detached) Detach(hwnd, h);
    Settle(hwnd, h);
    Free_If_Done(h);
    return result;
}

}  // namespace

bool Hook_Window(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    if (!hwnd || !proc || !IsWindow(hwnd)) return false;
    Hooked* h = Find(hwnd);
    if (!h) {
        h = new Hooked();
        {
            std::lock_guard<std::mutex> lock(table_lock);
            Table()[hwnd] = h;
        }
        h->previous =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Hook_Proc)));
    }
    for (Entry& e : h->entries) {
        if (e.proc == proc && e.id == id && !e.removed) {
            e.data = data;
            return true;
        }
    }
    h->entries.push_back({proc, id, data, false});
    return true;
}

bool Unhook_Window(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id) {
    Hooked* h = Find(hwnd);
    if (!h) return false;
    bool found = false;
    for (Entry& e : h->entries) {
        if (e.proc == proc && e.id == id && !e.removed) {
            e.removed = true;
            found = true;
        }
    }
    if (found) {
        Settle(hwnd, h);
        Free_If_Done(h);
    }
    return found;
}

LRESULT Hook_Next(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (current && current->hwnd == hwnd) return Run_From(*current, msg, wp, lp);
    // Not from inside this window's hooks: the window's own procedure.
    if (Hooked* h = Find(hwnd); h && h->previous) return CallWindowProcW(h->previous, hwnd, msg, wp, lp);
    return DefWindowProcW(hwnd, msg, wp, lp);
}

int Hook_Count(HWND hwnd) {
    Hooked* h = Find(hwnd);
    if (!h) return 0;
    int n = 0;
    for (const Entry& e : h->entries)
        if (!e.removed) ++n;
    return n;
}

}  // namespace crv
