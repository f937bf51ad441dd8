#pragma once
// Tessarine's own small Win32 and COM helpers: text conversion, a COM
// pointer, owned BSTR and VARIANT values, error texts from HRESULTs and
// Win32 codes, and the yield to the message loop.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

namespace crv::tessarine {

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

template <class T>
class Com_Ptr {
public:
    Com_Ptr() = default;
    Com_Ptr(const Com_Ptr&) = delete;
    Com_Ptr& operator=(const Com_Ptr&) = delete;
    Com_Ptr(Com_Ptr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    Com_Ptr& operator=(Com_Ptr&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ~Com_Ptr() { Reset(); }
    void Reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out-parameters: releases what is held first.
    T** Put() {
        Reset();
        return &p_;
    }
    void** Put_Void() { return reinterpret_cast<void**>(Put()); }

private:
    T* p_ = nullptr;
};

class Bstr {
public:
    explicit Bstr(std::string_view text) : b_(SysAllocString(Widen(text).c_str())) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(b_); }
    BSTR Get() const { return b_; }

private:
    BSTR b_;
};

class Variant {
public:
    Variant() { VariantInit(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&v_); }
    VARIANT* Put() {
        VariantClear(&v_);
        return &v_;
    }
    const VARIANT& Get() const { return v_; }
    // The value as text as a conversion to a string gives it; empty for
    // null, empty and values that do not convert.
    std::string Text() const;

private:
    VARIANT v_;
};

// "<HRESULT as signed decimal>: <description>"; the description comes from
// the object's error information when it left one, else from the system.
std::string Hresult_Error_Text(HRESULT hr);
// "<code>: <system description>" for a Win32 or Winsock error code.
std::string Win32_Error_Text(DWORD code);

// Apartment-threaded COM for the lifetime of the object.
class Com_Apartment {
public:
    Com_Apartment() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    Com_Apartment(const Com_Apartment&) = delete;
    Com_Apartment& operator=(const Com_Apartment&) = delete;
    ~Com_Apartment() {
        if (SUCCEEDED(hr_)) CoUninitialize();
    }

private:
    HRESULT hr_;
};

// The window whose keyboard navigation the message loops apply.
void Set_Dialog_Window(HWND window);
// Delivers every waiting message once, as the program's own loop would.
// Returns false when the program is ending (the quit message is put back for
// the outer loop).
bool Yield_To_Message_Loop();
// The program's message loop; returns the quit code.
int Run_Message_Loop();

}  // namespace crv::tessarine
