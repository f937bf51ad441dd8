#pragma once
// The computer list manager's controller: the list of computers with their
// scan credentials, adding by hand, deleting checked rows, Select All and
// closing; browsing the network, the computer names file, and editing the
// credentials in the list. Portable; the Win32 view
// (win/frm_manage_computers.h) shows it.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "dialogs/dialog_host.h"
#include "ui/model/list_model.h"
#include "wmi/network_browser.h"

namespace crv {

// The store keeps at most this many characters of a user name or password.
inline constexpr std::size_t Credential_Max_Length = 255;
// The bullet each password character shows as.
inline constexpr std::string_view Password_Bullet = "\xE2\x80\xA2";

// The first `count` characters (code points) of a UTF-8 text.
std::string Cut_Characters(const std::string& text, std::size_t count);
std::size_t Character_Count(const std::string& text);
// Without the blanks at either end.
std::string Trim_Blanks(const std::string& text);

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
    // the box that says so, moves the focus to the box at fault (when asked)
    // and returns true. Every path that stores a user name or password asks
    // it first.
    bool Refuse_Unstorable_Credentials(const std::string& user, const std::string& password,
                                       bool move_focus = true);
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

    // ---- network browse and the computer names file ----
    // The browse service (the view sets the system's; nullptr: Browse finds nothing).
    NetServerPort* network = nullptr;
    bool picProgress_visible = false;
    int pbrProgress_min = 0;
    // True while Browse, Import, Delete or Set Same User Name & Password
    // runs: every other command waits, Close and Esc cancel.
    bool Busy() const { return busy_; }
    void cmdBrowse_Click();
    void cmdCancel_Click();
    void cmdImport_Click();
    void cmdExport_Click();

    // ---- editing credentials in the list ----
    // The in-place editor: shown over the cell being edited, its text, masked
    // for a password; txtUName_tag is the column edited (1 user name, 2
    // password), lvwComputer_tag the DEV_ID of the row last clicked.
    bool txtUName_visible = false;
    bool txtUName_masked = false;
    std::string txtUName;
    int txtUName_tag = 0;
    std::int32_t lvwComputer_tag = 0;
    // A mouse button released over the list: row is the row under the
    // pointer, x the pointer's and l2, l3, w3 the left edges of columns 2
    // and 3 and the width of column 3, all in the list's coordinates.
    void lvwComputer_MouseUp(std::optional<std::size_t> row, double x, double l2, double l3, double w3);
    // Saves the edited credentials of the remembered computer and hides the
    // editor; nothing when the editor is not open.
    void txtUName_LostFocus();
    void lblUNPwd_Click();
    // The row of a DEV_ID (nullptr when not listed).
    ListItem* Computer_Row(std::int32_t dev_id);

private:
    void Set_Computer_Columns();
    // False when the list could not be read (it stays empty).
    bool Load_Computer_List();
    void Append_Computer_Row(std::int32_t dev_id, const std::string& name, const std::string& user,
                             const std::string& password, bool seventeen_row_rule = true);
    void Apply_17_Row_Rule();
    // Shows new credentials in a row (the mask in the cell, the password hidden).
    void Show_Credentials(ListItem& row, const std::string& user, const std::string& password);
    void Forget_Row(const ListItem& row);
    // The busy panel of a long command, its bar running to `steps`.
    void Begin_Busy(int steps);
    void End_Busy();
    // The bar at `done`; the list and the bar are shown again every few
    // steps, as a repaint per row would cost more than the row.
    void Show_Progress(int done);
    // Adds or refreshes the domain's computers; false once the store refuses
    // the file itself, which ends the browse.
    bool Browse_Domain(const std::string& domain);
    void Import_Names(const std::vector<std::string>& fields, const std::string& user, const std::string& password);

    DialogHost& host_;
    std::unordered_map<std::string, std::string> passwords_;  // by row key
    // Listed names in the system's upper case, with their DEV_IDs.
    std::unordered_multimap<std::string, std::int32_t> listed_;
    bool list_read_ = false;  // the list shows what the store holds
    bool busy_ = false;
    bool cancel_ = false;  // Cancel pressed during a busy command
    std::string import_file_;  // the Open dialog starts at the name last used
};

}  // namespace crv
