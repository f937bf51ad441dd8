#include "dialogs/frm_manage_computers_controller.h"

#include <algorithm>

#include "core/error.h"
#include "core/names.h"
#include "store/devices.h"
#include "store/failure_scope.h"
#include "store/store.h"

namespace crv {

namespace {
bool Is_Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

std::string Trim_Blanks(const std::string& s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    std::size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

std::size_t Character_Count(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if (!Is_Continuation(c)) ++n;
    return n;
}

std::string Cut_Characters(const std::string& text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (Is_Continuation(static_cast<unsigned char>(text[i]))) continue;
        if (seen == count) return text.substr(0, i);
        ++seen;
    }
    return text;
}

std::int32_t ManageComputersController::Get_Visible_ListItem_Count(const std::string& lvwSearch) {
    return host_.Count_Per_Page(lvwSearch);
}

bool ManageComputersController::Is_Already_In_List(const std::string& strDevice) const {
    // Ignoring case by the system's rules for every letter: "Zo\u00EB" and
    // "ZO\u00CB" are one computer.
    return listed_.count(host_.Upper_Case(strDevice)) > 0;
}

bool ManageComputersController::Is_Valid_UserName(const std::string& strUrl) {
    std::size_t n = Character_Count(strUrl);
    return n >= 1 && n <= 255;
}

bool ManageComputersController::Is_Valid_Password(const std::string& strPassword) {
    std::size_t n = Character_Count(strPassword);
    return n >= 1 && n <= 20 && strPassword.find('\'') == std::string::npos;
}

bool ManageComputersController::Is_Valid_Computer(const std::string& strDevice) {
    return Is_Valid_Computer_Name(strDevice);
}

void ManageComputersController::Increase_ProgressBar_Status(bool blnReset) {
    if (!blnReset) ++pbrProgress_max;
    ++pbrProgress_value;
}

bool ManageComputersController::Refuse_Unstorable_Credentials(const std::string& user, const std::string& password,
                                                              bool move_focus) {
    const bool bad_user = Has_Control_Characters(user);
    if (!bad_user && !Has_Control_Characters(password)) return false;
    host_.Message_Box(std::string(Credentials_Control_Character_Text) + " Please enter them again.",
                      box::Exclamation);
    if (move_focus) host_.Focus_Control(bad_user ? "txtUserName" : "txtPassword", true);
    return true;
}

void ManageComputersController::Form_Load() {
    Set_Computer_Columns();
    // A list that could not be read has shown the store's box: the name
    // lookup would wait out the same lock and show it again.
    const bool loaded = Load_Computer_List();
    const std::string local = host_.Local_Computer_Name();
    if (loaded && Get_Device_ID(local, 2) == 0 && !Is_Already_In_List(local)) txtComputer = local;
    host_.View_Changed();
}

void ManageComputersController::Set_Computer_Columns() {
    lvwComputer.Clear_Columns();
    lvwComputer.view = ListViewMode::Report;
    lvwComputer.checkboxes = true;
    lvwComputer.small_icons = "ilsCustom";
    ListColumn& first = lvwComputer.Add_Column("", "Computer Name", txtComputer_width + 20);
    const double rest = (lvwComputer_width - first.width_twips) / 2;
    lvwComputer.Add_Column("", "User Name", rest);
    lvwComputer.Add_Column("", "Password", rest - 50);
}

void ManageComputersController::Apply_17_Row_Rule() {
    if (lvwComputer.Item_Count() == 17 && lvwComputer.Column_Count() >= 3)
        lvwComputer.Column(2).width_twips -= 17 * twips_per_pixel_x;
}

void ManageComputersController::Append_Computer_Row(std::int32_t dev_id, const std::string& name,
                                                    const std::string& user, const std::string& password,
                                                    bool seventeen_row_rule) {
    std::string key = "DEV" + std::to_string(dev_id);
    ListItem* row = lvwComputer.Add_Item(key, name);
    if (!row) {
        Clear_Error();
        return;
    }
    row->small_icon = "Computer";
    row->tag = std::to_string(dev_id);
    Show_Credentials(*row, user, password);
    listed_.emplace(host_.Upper_Case(name), dev_id);
    if (seventeen_row_rule) Apply_17_Row_Rule();
}

void ManageComputersController::Show_Credentials(ListItem& row, const std::string& user, const std::string& password) {
    row.Set_Sub_Item(1, user);
    std::string mask;
    for (std::size_t i = 0, n = Character_Count(password); i < n; ++i) mask += Password_Bullet;
    row.Set_Sub_Item(2, mask);
    passwords_[row.key] = password;
}

void ManageComputersController::Forget_Row(const ListItem& row) {
    passwords_.erase(row.key);
    const std::int32_t id = static_cast<std::int32_t>(Text_Number(row.tag));
    auto [first, last] = listed_.equal_range(host_.Upper_Case(row.text));
    for (auto it = first; it != last; ++it)
        if (it->second == id) {
            listed_.erase(it);
            break;
        }
}

ListItem* ManageComputersController::Computer_Row(std::int32_t dev_id) {
    return lvwComputer.Find_Item("DEV" + std::to_string(dev_id));
}

bool ManageComputersController::Load_Computer_List() {
    lvwComputer.Clear_Items();
    passwords_.clear();
    listed_.clear();
    SqlResult devices;
    std::int32_t rows = 0;
    const bool read = Get_Device_List(rows, devices, 2);
    list_read_ = read;
    if (read) {
        for (std::size_t r = 1; r <= devices.Data_Row_Count(); ++r)
            Append_Computer_Row(static_cast<std::int32_t>(devices.Number(r, 3)), devices.Text(r, 0),
                                devices.Text(r, 1), devices.Text(r, 2));
    }
    lvwComputer.Notify();
    return read;
}

std::string ManageComputersController::Hidden_Password(const ListItem& row) const {
    auto it = passwords_.find(row.key);
    return it == passwords_.end() ? std::string() : it->second;
}

bool ManageComputersController::Form_KeyPress(int key_ascii) {
    if (key_ascii != 27) return false;
    cmdClose_Click();
    return true;
}

bool ManageComputersController::Text_KeyPress(const std::string& box_name, int key_ascii) {
    if (key_ascii != 13) return false;
    if (box_name == "txtComputer")
        host_.Focus_Control("txtUserName", true);
    else if (box_name == "txtUserName")
        host_.Focus_Control("txtPassword", true);
    else if (box_name == "txtPassword")
        cmdAdd_Click();
    else
        return false;
    return true;
}

void ManageComputersController::cmdAdd_Click() {
    const std::string name = host_.Upper_Case(Trim_Blanks(txtComputer));
    // The store keeps no more than this of either credential.
    const std::string user = Cut_Characters(txtUserName, Credential_Max_Length);
    const std::string password = Cut_Characters(txtPassword, Credential_Max_Length);
    if (!Is_Valid_Computer(name)) {
        host_.Message_Box("Please enter a valid computer name!", box::Exclamation);
        host_.Focus_Control("txtComputer", true);
        return;
    }
    // The list is what tells a new name from a stored one: one that could not
    // be read is read again first, or nothing is added.
    if (!list_read_ && !Load_Computer_List()) return;
    if (Is_Already_In_List(name)) {
        host_.Message_Box("Computer already exists.", box::Information);
        host_.Focus_Control("txtComputer", true);
        return;
    }
    if (Refuse_Unstorable_Credentials(user, password)) return;
    std::int32_t id = Add_Device(name, user, password, 0, 0, 0, 0, "", 1, 2, "", host_.Environment_Value("USERNAME"));
    if (id > 0) {
        Append_Computer_Row(id, name, user, password);
        lvwComputer.Notify();
    }
    txtComputer.clear();
    host_.View_Changed();
    host_.Focus_Control("txtComputer", false);
}

void ManageComputersController::cmdDelete_Click() {
    if (busy_) return;
    if (host_.Message_Box("Are you sure you want to delete the selected computers?", box::Yes_No | box::Question) !=
        box::Answer_Yes)
        return;
    int checked = 0;
    for (std::size_t i = 0; i < lvwComputer.Item_Count(); ++i) checked += lvwComputer.Item(i).checked ? 1 : 0;
    if (checked == 0) return;
    Begin_Busy(checked);
    // A row the store refuses stays and the walk goes on: the store's box
    // once, not once per row. A file the store cannot use (locked, say)
    // refuses every row alike: the walk stops there, the rest still ticked.
    StoreFailureScope store;
    int done = 0;
    for (std::size_t i = lvwComputer.Item_Count(); i-- > 0;) {
        if (!lvwComputer.Item(i).checked) continue;
        host_.Do_Events();
        if (cancel_) break;
        ListItem& row = lvwComputer.Item(i);
        // Its scans, asset records and report rows go with it: no window
        // could reach them once the computer is gone.
        if (Delete_Device(static_cast<std::int32_t>(Text_Number(row.tag)), true)) {
            if (lvwComputer.Item_Count() == 17 && lvwComputer.Column_Count() >= 3)
                lvwComputer.Column(2).width_twips += 17 * twips_per_pixel_x;
            Forget_Row(row);
            lvwComputer.Remove_Item(i);
        }
        Show_Progress(++done);
        if (store.File_Refused()) break;
    }
    End_Busy();
}

void ManageComputersController::chkSelectAll_Click() {
    for (std::size_t i = 0; i < lvwComputer.Item_Count(); ++i) lvwComputer.Item(i).checked = chkSelectAll != 0;
    lvwComputer.Notify();
}

void ManageComputersController::Begin_Busy(int steps) {
    busy_ = true;
    cancel_ = false;
    picProgress_visible = true;
    pbrProgress_min = 0;
    pbrProgress_value = 0;
    pbrProgress_max = std::max(steps, 1);
    host_.View_Changed();
    host_.Do_Events();  // the panel paints
}

void ManageComputersController::End_Busy() {
    picProgress_visible = false;
    cancel_ = false;
    busy_ = false;
    lvwComputer.Notify();
    host_.View_Changed();
}

void ManageComputersController::Show_Progress(int done) {
    constexpr int Shown_Every = 25;
    pbrProgress_value = done;
    if (done % Shown_Every != 0) return;
    lvwComputer.Notify();
    host_.View_Changed();
}

void ManageComputersController::cmdClose_Click() {
    if (busy_) {
        // A long command owns the dialog until its loop ends: cancel it instead.
        cmdCancel_Click();
        return;
    }
    // An open editor saves before the window goes.
    txtUName_LostFocus();
    host_.Close();
}

void ManageComputersController::lblLink_Click() { host_.Open_With_Shell(lblLink_tag); }

}  // namespace crv
