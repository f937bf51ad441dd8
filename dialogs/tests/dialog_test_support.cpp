#include "dialogs/tests/dialog_test_support.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/error.h"
#include "core/utf.h"

namespace crv::test {

int TestDialogHost::Show_Box(const std::string& text, int flags) {
    boxes.push_back({text, flags});
    if (answers.empty()) return (flags & box::Yes_No) ? box::Answer_Yes : box::Answer_Ok;
    int a = answers.front();
    answers.pop_front();
    return a;
}

std::string TestDialogHost::Get_Setting(const std::string& s, const std::string& k, const std::string& d) {
    auto it = settings.find(s + "/" + k);
    return it == settings.end() ? d : it->second;
}

void TestDialogHost::Save_Setting(const std::string& s, const std::string& k, const std::string& v) {
    settings[s + "/" + k] = v;
    setting_writes.push_back(k);
}

Ansi_Encoder TestDialogHost::Export_Encoder() {
    return [](std::string_view utf8, std::string& out) {
        out.append(utf8);
        return true;
    };
}

namespace {
std::filesystem::path Path_Of(const std::string& utf8) { return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())); }
}  // namespace

DialogHost::FileRead TestDialogHost::Read_File(const std::string& path, std::size_t max_bytes, std::string& bytes) {
    bytes.clear();
    std::error_code ec;
    const auto p = Path_Of(path);
    if (!std::filesystem::is_regular_file(p, ec)) {
        Set_Error(53, "File not found: " + path);
        return FileRead::Failed;
    }
    if (std::filesystem::file_size(p, ec) > max_bytes) return FileRead::Too_Large;
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    bytes = ss.str();
    return FileRead::Ok;
}

bool TestDialogHost::Write_File(const std::string& path, const std::string& bytes) {
    std::ofstream out(Path_Of(path), std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) {
        Set_Error(75, "Path/File access error: " + path);
        return false;
    }
    return true;
}

bool TestDialogHost::File_Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(Path_Of(path), ec);
}

std::string TestDialogHost::Upper_Case(const std::string& text) {
    std::u16string wide = Utf8_To_Utf16(text);
    for (char16_t& c : wide) {
        if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) ||
            (c >= 0x430 && c <= 0x44F))
            c = static_cast<char16_t>(c - 0x20);
        else if (c >= 0x450 && c <= 0x45F)
            c = static_cast<char16_t>(c - 0x50);
        else if (c == 0xFF)
            c = 0x178;
        else if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
            const bool odd_small = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
            if (odd_small ? (c % 2 == 0) : (c % 2 == 1)) c = static_cast<char16_t>(c - 1);
        }
    }
    return Utf16_To_Utf8(wide);
}

const std::string& TestDialogHost::Last_Box() const {
    static const std::string none;
    return boxes.empty() ? none : boxes.back().text;
}

void FakeMainLink::Node_Clicked_Event_Handler(std::int32_t lngDeviceID, const std::string& strDevice,
                                              std::int32_t lngFeatureID, const std::string& strFeatureKey,
                                              const std::string& strFeatureImage, const TreeNode& nodClicked,
                                              ListModel& lvwTemp, const std::string& strScanDate, bool blnOnline) {
    cancel_flag = false;
    Call call{lngDeviceID, strDevice, lngFeatureID, strFeatureKey, blnOnline};
    calls.push_back(call);
    lvwTemp.Clear_Items();
    lvwTemp.Clear_Columns();
    lvwTemp.Add_Column("Name", "Name", 5000);
    lvwTemp.Add_Column("Value", "Value", 12000);
    ListItem* head = lvwTemp.Add_Item("Name", nodClicked.text);
    head->bold = true;
    head->Set_Sub_Item(1, strDevice);
    head->small_icon = "Info";
    ListItem* first = lvwTemp.Add_Item("Caption", "Caption");
    first->Set_Sub_Item(1, strFeatureKey + " on " + strDevice);
    first->small_icon = "Info";
    if (during) during(call, lvwTemp);
    if (cancel_flag) return;  // stops after the instance it is on
    ListItem* second = lvwTemp.Add_Item("Status", "Status");
    second->Set_Sub_Item(1, "OK");
    second->small_icon = "Info";
    lvwTemp.Add_Item("", "");
}

}  // namespace crv::test
