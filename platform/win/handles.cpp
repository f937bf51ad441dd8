#include "platform/win/handles.h"

#include "platform/win/text.h"

namespace crv {

UniqueBstr::UniqueBstr(std::string_view utf8) {
    const std::wstring wide = To_Wide(utf8);
    b_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::string UniqueBstr::Utf8() const {
    return b_ ? To_Utf8(std::wstring_view(b_, SysStringLen(b_))) : std::string();
}

}  // namespace crv
