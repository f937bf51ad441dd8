// Editing the scan credentials of the listed computers: the in-place editor
// over a User Name or Password cell, and the same user name and password for
// every computer.
#include "dialogs/frm_manage_computers_controller.h"

#include "core/error.h"
#include "store/devices.h"
#include "store/failure_scope.h"
#include "store/store.h"

namespace crv {

void ManageComputersController::lvwComputer_MouseUp(std::optional<std::size_t> row, double x, double l2, double l3,
                                                    double w3) {
    if (busy_ || !row || *row >= lvwComputer.Item_Count()) return;
    const ListItem& item = lvwComputer.Item(*row);
    // The computer, not the row's position: rows move when others go.
    lvwComputer_tag = static_cast<std::int32_t>(Text_Number(item.tag));
    if (l2 < x && x < l3) {
        txtUName_masked = false;
        txtUName = item.Sub_Item(1);
        txtUName_tag = 1;
    } else if (l3 < x && x < l3 + w3) {
        txtUName_masked = true;
        txtUName = Hidden_Password(item);
        txtUName_tag = 2;
    } else {
        return;
    }
    txtUName_visible = true;
    host_.View_Changed();
    host_.Focus_Control("txtUName", true);
}

void ManageComputersController::txtUName_LostFocus() {
    if (!txtUName_visible) return;  // saved once, when the editor closed
    txtUName_visible = false;
    const int column = txtUName_tag;
    ListItem* row = Computer_Row(lvwComputer_tag);
    if (row && (column == 1 || column == 2)) {
        const std::string edited = Cut_Characters(txtUName, Credential_Max_Length);
        const std::string user = column == 1 ? edited : row->Sub_Item(1);
        const std::string password = column == 2 ? edited : Hidden_Password(*row);
        if (Refuse_Unstorable_Credentials(user, password, false)) {
            host_.View_Changed();
            return;  // the row keeps its values
        }
        if (Set_Device_Credentials(static_cast<std::int32_t>(Text_Number(row->tag)), user, password)) {
            Show_Credentials(*row, user, password);
            lvwComputer.Notify();
        } else {
            Clear_Error();  // the store has shown its box; the row keeps its values
        }
    }
    host_.View_Changed();
}

void ManageComputersController::lblUNPwd_Click() {
    if (busy_) return;
    if (host_.Message_Box("Are you sure you want to set the same user name and password for all the computers in the "
                          "list?",
                          box::Yes_No | box::Question) != box::Answer_Yes)
        return;
    if (txtUserName.empty()) {
        host_.Message_Box("User name can not be empty! Please provide a valid user name.", box::Exclamation);
        host_.Focus_Control("txtUserName", false);
        return;
    }
    if (txtPassword.empty()) {
        host_.Message_Box("Password can not be empty! Please provide a valid password.", box::Exclamation);
        host_.Focus_Control("txtPassword", false);
        return;
    }
    // As the store keeps them, so the rows show what a reload would.
    const std::string user = Cut_Characters(txtUserName, Credential_Max_Length);
    const std::string password = Cut_Characters(txtPassword, Credential_Max_Length);
    if (Refuse_Unstorable_Credentials(user, password)) return;  // one box, not one per computer
    Begin_Busy(static_cast<int>(lvwComputer.Item_Count()));
    // A row the store refuses keeps its values and the loop goes on: the
    // store's box once, not once per computer. A file the store cannot use
    // refuses every row alike: the loop stops there.
    StoreFailureScope store;
    for (std::size_t i = 0; i < lvwComputer.Item_Count(); ++i) {
        host_.Do_Events();
        if (cancel_) break;
        ListItem& row = lvwComputer.Item(i);
        if (Set_Device_Credentials(static_cast<std::int32_t>(Text_Number(row.tag)), user, password))
            Show_Credentials(row, user, password);
        else
            Clear_Error();
        Show_Progress(static_cast<int>(i + 1));
        if (store.File_Refused()) break;
    }
    End_Busy();
}

}  // namespace crv
