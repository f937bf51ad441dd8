#include "platform/win/text.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/error.h"
#include "platform/win/com.h"
#include "platform/win/handles.h"

namespace {

TEST(TextConversion, Utf8AndUtf16RoundTrip) {
    const std::string text = "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC \xF0\x9F\x98\x80";  // Grüße € 😀
    const std::wstring wide = crv::To_Wide(text);
    EXPECT_EQ(wide, std::wstring(L"Gr\u00FC\u00DFe \u20AC \U0001F600"));
    EXPECT_EQ(crv::To_Utf8(wide), text);
    EXPECT_EQ(crv::To_Wide(""), L"");
    EXPECT_EQ(crv::To_Utf8(L""), "");
    // Embedded NULs are characters like any other.
    const std::string with_nul("a\0b", 3);
    EXPECT_EQ(crv::To_Utf8(crv::To_Wide(with_nul)), with_nul);
}

TEST(TextConversion, CodePages) {
    // Western European ANSI: é is one byte, € is 0x80; a missing character
    // becomes the default character instead of vanishing.
    EXPECT_EQ(crv::To_Code_Page("caf\xC3\xA9 \xE2\x82\xAC", 1252), "caf\xE9 \x80");
    EXPECT_EQ(crv::From_Code_Page("caf\xE9 \x80", 1252), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(crv::To_Code_Page("\xE4\xB8\xAD", 1252), "?");
    EXPECT_EQ(crv::From_Ansi(crv::To_Ansi("plain ASCII")), "plain ASCII");
}

struct RecordingReporter : crv::ErrorReporter {
    std::vector<std::string> shown;
    void Report_Error(const std::string& text) override { shown.push_back(text); }
};

TEST(HResultErrors, NegativeNumbersAndFallbackDescriptions) {
    RecordingReporter reporter;
    crv::Set_Error_Reporter(&reporter);
    crv::Clear_Error();

    // A code the system has no text for reads as its hexadecimal form.
    EXPECT_FALSE(crv::Set_Error_From_HResult(static_cast<HRESULT>(0x8FFF1234)));
    EXPECT_EQ(crv::Pending_Error().number, static_cast<std::int32_t>(0x8FFF1234));
    EXPECT_EQ(crv::Pending_Error().description, "Error code: 0x8FFF1234");
    crv::Show_Error_Message(true);
    ASSERT_EQ(reporter.shown.size(), 1u);
    EXPECT_EQ(reporter.shown[0], "-1879109068: Error code: 0x8FFF1234");
    EXPECT_TRUE(crv::Pending_Error().empty());

    // A known system code has a text without a trailing line break.
    crv::Set_Error_From_HResult(E_OUTOFMEMORY);
    const std::string& text = crv::Pending_Error().description;
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_EQ(crv::Pending_Error().number, -2147024882);

    // A description of the caller's wins.
    crv::Set_Error_From_HResult(static_cast<HRESULT>(0x80041015), "Remote computer not reachable");
    crv::Show_Error_Message(true);
    EXPECT_EQ(reporter.shown.back(), "-2147217387: Remote computer not reachable");

    crv::Set_Error_From_Win32(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(crv::Pending_Error().number, 2);
    EXPECT_FALSE(crv::Pending_Error().description.empty());

    crv::Set_Error_Reporter(nullptr);
    crv::Clear_Error();
}

// A COM object that counts its references.
struct CountingUnknown : IUnknown {
    ULONG refs = 1;
    int queries = 0;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        ++queries;
        if (iid == __uuidof(IUnknown)) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
};

TEST(ComPointer, BalancesReferences) {
    CountingUnknown object;
    {
        crv::ComPtr<IUnknown> a;
        a.Attach(&object);  // adopts the initial reference
        EXPECT_EQ(object.refs, 1u);
        crv::ComPtr<IUnknown> b = a;
        EXPECT_EQ(object.refs, 2u);
        crv::ComPtr<IUnknown> c = std::move(b);
        EXPECT_EQ(object.refs, 2u);
        EXPECT_FALSE(b);
        crv::ComPtr<IUnknown> d;
        EXPECT_EQ(a.As(d), S_OK);
        EXPECT_EQ(object.refs, 3u);
        *d.Put() = nullptr;  // Put releases what it held
        EXPECT_EQ(object.refs, 2u);
        c = a;
        EXPECT_EQ(object.refs, 2u);
    }
    EXPECT_EQ(object.refs, 0u);

    crv::UniqueBstr bstr(std::string("Win32_BIOS \xC3\xA9"));
    EXPECT_EQ(SysStringLen(bstr.Get()), 12u);
    EXPECT_EQ(bstr.Utf8(), "Win32_BIOS \xC3\xA9");
}

}  // namespace
