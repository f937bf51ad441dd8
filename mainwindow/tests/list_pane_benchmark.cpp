// Fills a list pane with 100,000 property rows and prints the time to the
// first paint: the model fill, the control's refresh (owner data: only the
// count crosses) and the first WM_PAINT of the visible page.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "core/common.h"
#include "platform/win/controls/controls.h"
#include "ui/model/list_layouts.h"
#include "ui/model/list_model.h"

int main() {
    using clock = std::chrono::steady_clock;
    auto ms = [](clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
    HINSTANCE inst = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = inst;
    wc.lpszClassName = L"CorvalinBenchmark";
    RegisterClassExW(&wc);
    HWND top = CreateWindowExW(0, L"CorvalinBenchmark", L"Corvalin", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1024,
                               720, nullptr, nullptr, inst, nullptr);
    crv::ImageList small_icons(16);
    crv::Load_Standard_Icons(small_icons);
    crv::ListViewControl pane;
    pane.Create(top, 1);
    pane.Move(0, 0, 1000, 680);
    pane.Set_Image_Lists(&small_icons, nullptr);
    crv::ListModel model;
    pane.Bind(&model);

    const auto t0 = clock::now();
    crv::Setup_ListView_Columns(model, crv::Layout_Property_List, "");
    const std::string sep(crv::Row_Key_Separator);
    for (int i = 0; i < 100000; ++i) {
        crv::ListItem* row = model.Add_Item("Prop" + std::to_string(i) + sep + "1", "    Property " + std::to_string(i));
        row->small_icon = "Info";
        row->indent = 1;
        row->Set_Sub_Item(1, "Value " + std::to_string(i));
        if (i % 50 == 0) row->bold = true;
    }
    const auto t1 = clock::now();
    model.Notify();
    const auto t2 = clock::now();
    InvalidateRect(pane.Handle(), nullptr, TRUE);
    UpdateWindow(pane.Handle());
    const auto t3 = clock::now();
    const int shown = static_cast<int>(SendMessageW(pane.Handle(), LVM_GETITEMCOUNT, 0, 0));
    std::printf("rows %d: fill %.1f ms, refresh %.1f ms, first paint %.1f ms, total to first paint %.1f ms\n", shown,
                ms(t1 - t0), ms(t2 - t1), ms(t3 - t2), ms(t3 - t0));
    DestroyWindow(top);
    return shown == 100000 ? 0 : 1;
}
