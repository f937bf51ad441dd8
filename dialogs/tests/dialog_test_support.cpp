#include "dialogs/tests/dialog_test_support.h"


namespace crv::test {

int TestDialogHost::Message_Box(const std::string& text, int flags) {
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
