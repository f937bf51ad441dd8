#pragma once
// COM set-up and the bridge from HRESULT / Win32 codes to the pending error.
#include <windows.h>

#include <cstdint>
#include <string>

namespace crv {

// Initialises COM apartment-threaded on the calling (user-interface) thread,
// once; later calls return the first outcome. COM stays up for the life of
// the process.
bool Ensure_Com_Initialized();

// Scoped COM initialisation for threads and tests that own their apartment.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool Ok() const { return SUCCEEDED(hr_); }
    HRESULT Result() const { return hr_; }

private:
    HRESULT hr_;
};

// The system's text for a code (no trailing line break), or "" when it has
// none.
std::string System_Error_Text(std::uint32_t code);
// The description a failed HRESULT is shown with: the system's text, or
// "Error code: 0x8004100E" when there is none.
std::string HResult_Description(HRESULT hr);

// Makes a failed HRESULT the pending error: its number as a signed 32-bit
// value (so COM failures are negative), the description as above unless one
// is given. Returns false, for `return Set_Error_From_HResult(hr);`.
bool Set_Error_From_HResult(HRESULT hr, std::string description = {});
// The same for a Win32 error code (GetLastError()), kept as its own number.
bool Set_Error_From_Win32(DWORD code);

}  // namespace crv
