#pragma once
// Hooks on a window's procedure, with the calling shape of the common
// controls' subclass functions (SetWindowSubclass, DefSubclassProc,
// RemoveWindowSubclass), kept in this process's own table.
//
// Why not those functions: they keep their chain in a window property, and
// reading a property is a round trip to the window server under Wine (about
// 50 microseconds measured). The main window carries a hook for each of its
// controls, so every message to it paid one round trip per control: a list
// repainting a page with custom draw sent hundreds of them. Here a message
// costs one table lookup.
//
// One user-interface thread owns the windows it hooks; hooks may be added or
// removed from inside a hook procedure. A hook installed over someone else's
// (a common-controls subclass, a replaced procedure) chains to it; one
// installed under it keeps working as long as that one chains on.
#include <windows.h>
#include <commctrl.h>

namespace crv {

// Adds (or, for the same proc and id, updates the data of) a hook; the hook
// added last runs first. False when hwnd is not a window.
bool Hook_Window(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);

// Removes the hook; when the last one goes and nobody has replaced the
// procedure since, the window gets its own procedure back.
bool Unhook_Window(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id);

// From inside a hook procedure: passes the message on to the next hook, or
// to the window's own procedure.
LRESULT Hook_Next(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// How many hooks the window carries (0 when none).
int Hook_Count(HWND hwnd);

}  // namespace crv
