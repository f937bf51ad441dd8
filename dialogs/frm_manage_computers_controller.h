#pragma once
// The computer list manager's controller: the list of computers with their
// scan credentials, adding by hand, deleting checked rows, Select All and
// closing. Portable; the Win32 view (win/frm_manage_computers.h) shows it.
#include <cstdint>
#include <string>
#include <unordered_map>

#include "dialogs/dialog_host.h"
#include "ui/model/list_model.h"

namespace crv {

// The store keeps at most this many characters of a user name or password.
inline constexpr std::size_t Credential_Max_Length = 255;
// The bullet each password character shows as.
inline constexpr std::string_view Password_Bullet = "\xE2\x80\xA2";

// The first `count` characters (code points) of a UTF-8 text.
std::string Cut_Characters(const std::string& text, std::size_t count);
std::size_t Character_Count(const std::string& text);

class ManageComputersController {
public:
    explicit ManageComputersController(DialogHost& host) : host_(host) {}

    // ---- controls ----
    ListModel lvwComputer;
    std::string txtComputer;
    std::string txtUserName;
    std::string txtPassword;
    int chkSelectAll = 0;
    // Geometry the column widths are computed from (twips), set by the view
    // before Form_Load.
    double txtComputer_width = 2000;
    double lvwComputer_width = 8000;
    double twips_per_pixel_x = 15;
    std::string lblLink_tag = Dialog_Link_Address;

    // ---- public members ----
    std::int32_t Get_Visible_ListItem_Count(const std::string& lvwSearch);
    bool Is_Already_In_List(const std::string& strDevice) const;
    static bool Is_Valid_UserName(const std::string& strUrl);
    static bool Is_Valid_Password(const std::string& strPassword);
    static bool Is_Valid_Computer(const std::string& strDevice);
    void Increase_ProgressBar_Status(bool blnReset);
    // Credentials holding a control character cannot be stored intact: shows
    // the box that says so, moves the focus to the box at fault and returns
    // true. Every path that stores a user name or password asks it first.
    bool Refuse_Unstorable_Credentials(const std::string& user, const std::string& password);
    int pbrProgress_max = 0;
    int pbrProgress_value = 0;

    // ---- event handlers ----
    void Form_Load();
    // key_ascii 27 closes. Returns true when the key was used.
    bool Form_KeyPress(int key_ascii);
    // Enter in the three boxes ("txtComputer", "txtUserName",
    // "txtPassword"): true when the key is swallowed.
    bool Text_KeyPress(const std::string& box_name, int key_ascii);
    void cmdAdd_Click();
    void cmdDelete_Click();
    void chkSelectAll_Click();
    void cmdClose_Click();
    void lblLink_Click();

    // The clear password a row keeps hidden ("" when none).
    std::string Hidden_Password(const ListItem& row) const;

private:
    void Set_Computer_Columns();
    void Load_Computer_List();
    void Append_Computer_Row(std::int32_t dev_id, const std::string& name, const std::string& user,
                             const std::string& password);
    void Apply_17_Row_Rule();

    DialogHost& host_;
    std::unordered_map<std::string, std::string> passwords_;  // by row key
};

}  // namespace crv
