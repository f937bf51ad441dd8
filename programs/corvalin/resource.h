#pragma once
// Resource ids of Corvalin.exe, shared by the resource script and the code
// that loads them (LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_CORVALIN))).
#define IDI_CORVALIN 1
