#include "dialogs/frm_properties_controller.h"

#include "store/devices.h"
#include "store/scans.h"
#include "store/sql_text.h"

namespace crv {

namespace {

// Row positions (0-based) of the list, in the order of the record query.
constexpr std::size_t Row_Device_Name = 0;
constexpr std::size_t Row_Manufacturer = 5;
constexpr std::size_t Row_Model = 6;
constexpr std::size_t Row_Serial_Number = 7;
constexpr std::size_t Row_User_Name = 9;
constexpr std::size_t Row_Specification1 = 14;
constexpr std::size_t Row_Count = 20;
// The record query's columns 0 DEV_ID and 1 DEV_SPEC_ID come before the rows.
constexpr std::size_t First_Row_Column = 2;

}  // namespace

void PropertiesController::Form_Load() {
    cmdSave_enabled = false;
    lvwProperties.small_icons = "ilsProperties";
    Load_Device_Properties(device_id_);
}

void PropertiesController::Load_Device_Properties(std::int32_t lngDeviceID) {
    lvwProperties.Clear_Items();
    lvwProperties.Clear_Columns();
    lvwProperties.tag.clear();
    lvwProperties.view = ListViewMode::Report;
    lvwProperties.Add_Column("PropertyName", "Property Name", 2600);
    lvwProperties.Add_Column("PropertyValue", "Property Value (double click an item to change value)", 5200);
    SqlResult details;
    if (Get_Device_Details(lngDeviceID, details) && details.Data_Row_Count() > 0) {
        lvwProperties.tag = details.Text(1, 0);
        for (std::size_t column = First_Row_Column;
             column < details.Column_Count() && column < First_Row_Column + Row_Count; ++column) {
            const std::string& name = details.Column_Name(column);
            ListItem* row = lvwProperties.Add_Item(name, name);
            if (!row) continue;
            row->Set_Sub_Item(1, details.Text(1, column));  // a missing record reads as empty text
            row->small_icon = "Properties";
        }
        if (lvwProperties.Item_Count() > 0) lvwProperties.Item(0).selected = true;
    }
    lvwProperties.Notify();
    host_.View_Changed();
}

std::int32_t PropertiesController::Listed_Device_ID() const {
    return static_cast<std::int32_t>(Text_Number(lvwProperties.tag));
}

void PropertiesController::Set_Value(std::size_t row, std::string value) {
    if (row < lvwProperties.Item_Count()) lvwProperties.Item(row).Set_Sub_Item(1, std::move(value));
}

void PropertiesController::lvwProperties_DblClick() {
    std::size_t row = lvwProperties.Item_Count();
    for (std::size_t i = 0; i < lvwProperties.Item_Count(); ++i)
        if (lvwProperties.Item(i).selected) {
            row = i;
            break;
        }
    if (row >= lvwProperties.Item_Count() || row == Row_Device_Name) return;
    ListItem& item = lvwProperties.Item(row);
    const std::string current = item.Sub_Item(1);
    std::optional<std::string> entered = host_.Input_Box("Please enter the value for '" + item.text + "'", "Edit",
                                                         current, Property_Value_Max_Length);
    if (!entered || *entered == current) return;
    item.Set_Sub_Item(1, Cut_Characters(*entered, Property_Value_Max_Length));
    cmdSave_enabled = true;
    lvwProperties.Notify();
    host_.View_Changed();
}

bool PropertiesController::lvwProperties_KeyPress(int key_ascii) {
    if (key_ascii != 13) return false;
    lvwProperties_DblClick();
    return true;
}

void PropertiesController::lblRetrieveProps_Click() {
    const std::int32_t id = Listed_Device_ID();
    if (id < 1) return;
    SqlResult summary;
    if (!Get_Scan_Summary(id, summary)) return;
    if (summary.Data_Row_Count() == 0) {
        host_.Message_Box("This computer is not scanned before OR no scanned information found!", box::Exclamation);
        return;
    }
    // Columns: 1 manufacturer, 2 model, 3 identifying number, 4 computer
    // name (unused), 5 user name, 6-8 processor name, maker, description.
    Set_Value(Row_Manufacturer, summary.Text(1, 1));
    Set_Value(Row_Model, summary.Text(1, 2));
    Set_Value(Row_Serial_Number, summary.Text(1, 3));
    Set_Value(Row_User_Name, summary.Text(1, 5));
    Set_Value(Row_Specification1, summary.Text(1, 6) + ", " + summary.Text(1, 7) + ", " + summary.Text(1, 8));
    cmdSave_enabled = true;
    lvwProperties.Notify();
    host_.View_Changed();
}

void PropertiesController::cmdSave_Click() {
    const std::int32_t id = Listed_Device_ID();
    if (id <= 0 || lvwProperties.Item_Count() < Row_Count) return;
    auto value = [this](std::size_t row) { return lvwProperties.Item(row).Sub_Item(1); };
    // Rows 1-19: Alias, Domain, MACAddress, IPAddress, Manufacturer, Model,
    // SerialNumber, UserID, UserName, Department, Location, Tag, AssetTag,
    // Specification1-5, Remarks.
    const bool saved = Save_Device_Details(id, value(1), value(2), value(3), value(4), value(5), value(6), value(7),
                                           value(13), value(12), value(10), value(8), value(9), value(11), value(14),
                                           value(15), value(16), value(17), value(18), value(19),
                                           host_.Environment_Value("USERNAME"));
    if (saved) cmdSave_enabled = false;
    host_.View_Changed();
}

bool PropertiesController::Form_Unload() {
    if (!cmdSave_enabled) return true;
    return host_.Message_Box("Are you sure you want to close with out saving the data?", box::Yes_No | box::Question) ==
           box::Answer_Yes;
}

void PropertiesController::cmdClose_Click() {
    if (Form_Unload()) host_.Close();
}

bool PropertiesController::Form_KeyPress(int key_ascii) {
    if (key_ascii != 27) return false;
    cmdClose_Click();
    return true;
}

}  // namespace crv
