#pragma once
// RAII owners for kernel handles, registry keys and the COM pieces (interface
// pointers, BSTR, VARIANT) so that no early return leaks one.
#include <windows.h>
#include <oleauto.h>
#include <unknwn.h>

#include <string>
#include <string_view>
#include <utility>

namespace crv {

// A kernel handle closed with CloseHandle (null and INVALID_HANDLE_VALUE are
// both "none").
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE h) : h_(h) {}
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) Reset(std::exchange(o.h_, nullptr));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    HANDLE Get() const { return h_; }
    bool Valid() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }
    explicit operator bool() const { return Valid(); }
    HANDLE Release() { return std::exchange(h_, nullptr); }
    void Reset(HANDLE h = nullptr) {
        if (Valid()) CloseHandle(h_);
        h_ = h;
    }

private:
    HANDLE h_ = nullptr;
};

class UniqueRegKey {
public:
    UniqueRegKey() = default;
    explicit UniqueRegKey(HKEY k) : k_(k) {}
    UniqueRegKey(UniqueRegKey&& o) noexcept : k_(std::exchange(o.k_, nullptr)) {}
    UniqueRegKey& operator=(UniqueRegKey&& o) noexcept {
        if (this != &o) Reset(std::exchange(o.k_, nullptr));
        return *this;
    }
    UniqueRegKey(const UniqueRegKey&) = delete;
    UniqueRegKey& operator=(const UniqueRegKey&) = delete;
    ~UniqueRegKey() { Reset(); }

    HKEY Get() const { return k_; }
    HKEY* Put() {
        Reset();
        return &k_;
    }
    explicit operator bool() const { return k_ != nullptr; }
    void Reset(HKEY k = nullptr) {
        if (k_) RegCloseKey(k_);
        k_ = k;
    }

private:
    HKEY k_ = nullptr;
};

// A COM interface pointer that releases what it holds.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a reference of its own.
    explicit ComPtr(T* p) : p_(p) {
        if (p_) p_->AddRef();
    }
    ComPtr(const ComPtr& o) : ComPtr(o.p_) {}
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(const ComPtr& o) {
        if (this != &o) {
            if (o.p_) o.p_->AddRef();
            Reset();
            p_ = o.p_;
        }
        return *this;
    }
    ComPtr& operator=(ComPtr&& o) noexcept {
        if (this != &o) {
            Reset();
            p_ = std::exchange(o.p_, nullptr);
        }
        return *this;
    }
    ~ComPtr() { Reset(); }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out-parameters: releases the old pointer first.
    T** Put() {
        Reset();
        return &p_;
    }
    void** Put_Void() { return reinterpret_cast<void**>(Put()); }
    // Adopts a pointer whose reference the caller hands over.
    void Attach(T* p) {
        Reset();
        p_ = p;
    }
    T* Detach() { return std::exchange(p_, nullptr); }
    void Reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }
    template <class U>
    HRESULT As(ComPtr<U>& out) const {
        if (!p_) return E_POINTER;
        return p_->QueryInterface(__uuidof(U), out.Put_Void());
    }

private:
    T* p_ = nullptr;
};

// A BSTR freed with SysFreeString.
class UniqueBstr {
public:
    UniqueBstr() = default;
    explicit UniqueBstr(std::wstring_view text)
        : b_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    explicit UniqueBstr(std::string_view utf8);
    UniqueBstr(UniqueBstr&& o) noexcept : b_(std::exchange(o.b_, nullptr)) {}
    UniqueBstr& operator=(UniqueBstr&& o) noexcept {
        if (this != &o) {
            Reset();
            b_ = std::exchange(o.b_, nullptr);
        }
        return *this;
    }
    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;
    ~UniqueBstr() { Reset(); }

    BSTR Get() const { return b_; }
    BSTR* Put() {
        Reset();
        return &b_;
    }
    void Reset() {
        if (b_) SysFreeString(std::exchange(b_, nullptr));
    }
    std::string Utf8() const;

private:
    BSTR b_ = nullptr;
};

// A VARIANT cleared with VariantClear.
class UniqueVariant {
public:
    UniqueVariant() { VariantInit(&v_); }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;
    ~UniqueVariant() { VariantClear(&v_); }
    VARIANT* Get() { return &v_; }
    const VARIANT* Get() const { return &v_; }
    VARIANT* Put() {
        VariantClear(&v_);
        return &v_;
    }

private:
    VARIANT v_;
};

}  // namespace crv
