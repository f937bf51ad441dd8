// Fills a list pane with 100,000 rows and prints the time until the list
// first asks for a row to paint (LVN_GETDISPINFO) and until its first
// WM_PAINT has been handled.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "host_window.h"
#include "platform/win/controls/list_view.h"

namespace {

using Clock = std::chrono::steady_clock;
Clock::time_point first_dispinfo{};
Clock::time_point first_paint{};

LRESULT CALLBACK Watch_Parent(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lp)->code == LVN_GETDISPINFOW &&
        first_dispinfo == Clock::time_point{})
        first_dispinfo = Clock::now();
    return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK Watch_List(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_PAINT) {
        LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
        if (first_paint == Clock::time_point{}) first_paint = Clock::now();
        return r;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

double Ms(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

}  // namespace

int main() {
    crv::testing::HostWindow host(1000, 800);
    crv::ListViewControl list;
    if (!list.Create(host.Handle(), 1)) return 1;
    list.Move(0, 0, 980, 760);
    SetWindowSubclass(host.Handle(), Watch_Parent, 1, 0);
    SetWindowSubclass(list.Handle(), Watch_List, 2, 0);

    crv::ListModel model;
    auto start = Clock::now();
    model.Add_Column("Name", "Name", 5000);
    model.Add_Column("Value", "Value", 12000);
    for (int i = 0; i < 100000; ++i) {
        crv::ListItem* item = model.Add_Item("Row\x0B" + std::to_string(i), "    Property " + std::to_string(i));
        item->Set_Sub_Item(1, "Value of row " + std::to_string(i));
        item->small_icon = "Info";
        item->indent = 1;
        if (i % 20 == 0) item->bold = true;
    }
    auto filled = Clock::now();
    list.Bind(&model);
    auto bound = Clock::now();
    UpdateWindow(list.Handle());
    crv::testing::Pump_Until([] { return first_paint != Clock::time_point{}; }, 5000);
    auto end = Clock::now();

    std::printf("rows: %d\n", static_cast<int>(SendMessageW(list.Handle(), LVM_GETITEMCOUNT, 0, 0)));
    std::printf("model filled: %.1f ms\n", Ms(start, filled));
    std::printf("control bound: %.1f ms\n", Ms(filled, bound));
    if (first_dispinfo != Clock::time_point{})
        std::printf("first LVN_GETDISPINFO: %.1f ms after the fill began\n", Ms(start, first_dispinfo));
    else
        std::printf("first LVN_GETDISPINFO: not reached\n");
    if (first_paint != Clock::time_point{})
        std::printf("first WM_PAINT done: %.1f ms after the fill began\n", Ms(start, first_paint));
    else
        std::printf("first WM_PAINT: not reached within %.0f ms\n", Ms(start, end));
    RemoveWindowSubclass(host.Handle(), Watch_Parent, 1);
    RemoveWindowSubclass(list.Handle(), Watch_List, 2);
    return 0;
}
