// The live and stored feature listings that fill the hidden buffer list.
#include "mainwindow/frm_main_controller.h"

#include "core/error.h"
#include "mainwindow/frm_main_internal.h"
#include "store/devices.h"
#include "store/features.h"
#include "store/scans.h"
#include "ui/model/list_helpers.h"
#include "wmi/collectors.h"
#include "wmi/connection.h"
#include "wmi/format/formatter.h"

namespace crv {

using namespace main_detail;

namespace {

// One connection to a namespace of the computer; the failure comes back in
// status (and stays pending).
std::unique_ptr<WmiServices> Connect_Device(std::int32_t device_id, const std::string& computer, int ns,
                                            WmiStatus& status) {
    auto services = Connect_Device_WMI(device_id, computer, ns);
    if (!services) {
        status.number = Pending_Error().number;
        status.description = Pending_Error().description;
        if (status.number >= 0) status.number = Wbem_E_Failed;
    }
    return services;
}

}  // namespace

void MainController::Add_Bold_Row(ListModel& list, const std::string& caption, const std::string& value,
                                  const std::string& icon) {
    ListItem* row = list.Add_Item("", caption);
    if (row) {
        row->icon = icon;
        row->small_icon = icon;
        row->Set_Sub_Item(1, value);
        row->bold = true;
        row->Set_Sub_Bold(1, true);
    }
    list.Add_Item("", "");
}

void MainController::Show_Live_Feature(std::int32_t lngDeviceID, const std::string& strDevice,
                                       MainController& frmMain, ListModel& lvwTemp, const TreeNode& nodClicked) {
    ProgressState& pr = frmMain.progress;
    pr.value = 0;
    pr.max = 100;
    pr.listed_caption = "Listed 0";
    frmMain.Changed(ViewPart::Progress);
    const std::string& key = nodClicked.key;

    if (!Is_Wmi_Class_Key(key)) {
        if (Starts_With(key, "RTT_")) return;
        for (const TreeNode* child : nodClicked.children) {
            ListItem* row = lvwTemp.Add_Item(child->key, child->text);
            if (!row) continue;
            row->icon = child->image;
            row->small_icon = child->image;
        }
        return;
    }

    std::int32_t n = 0;
    auto fail_row = [&](std::int32_t number, const std::string& description) {
        const bool refused = number == Wbem_E_Not_Supported || number == Wbem_E_Invalid_Query ||
                             number == Wbem_E_Invalid_Namespace || number == Wbem_E_Invalid_Class;
        ListItem* row = lvwTemp.Add_Item(
            std::string(refused ? "NoInfo" : "Error") + std::string(Row_Key_Separator) + std::to_string(n), "Name");
        if (row) {
            row->small_icon = "NoInfo";
            row->Set_Sub_Item(1, refused ? "Feature disabled or not supported by OS" : description);
            row->bold = true;
        }
        Clear_Error();
    };

    std::string cls = key;
    int ns = 0;
    if (Starts_With(key, "SC_")) {
        ns = 3;
        cls = key.substr(3);
    } else if (Starts_With(key, "MSAcpi_") || Starts_With(key, "MSStorageDriver_")) {
        ns = 4;
    }
    // Class and property names go into the query only as identifiers; a
    // refused name is this listing's error row, and nothing is sent.
    std::string query;
    if (!Build_Feature_Query(Number_Value(nodClicked.tag), cls, query)) {
        fail_row(Pending_Error().number, Pending_Error().description);
        return;
    }

    WmiStatus status;
    auto services = Connect_Device(lngDeviceID, strDevice, ns, status);
    if (!services) {
        fail_row(status.number, status.description);
        return;
    }
    auto results = services->Exec_Query(query, Wbem_Flag_Return_Immediately | Wbem_Flag_Forward_Only, status);
    if (!results) {
        fail_row(status.number, status.description);
        return;
    }
    results->Set_Wait_Hook([this] {
        if (host_ && host_->Input_Pending()) host_->Do_Events();
        return true;
    });
    pr.visible = true;
    frmMain.Changed(ViewPart::Progress);

    const std::string sep(Row_Key_Separator);
    // The rows follow the order chosen for the feature, whatever the order
    // WMI gives the properties in.
    const std::size_t from = query.rfind(" FROM ");
    const PropertyOrder order =
        Select_List_Order(std::string_view(query).substr(7, from == std::string::npos ? 0 : from - 7));
    PropertySequence in_order;
    PropertyCaptions captions;
    WmiInstance object;
    while (true) {
        if (!results->Next(object, status)) {
            if (status.Failed()) fail_row(status.number, status.description);
            break;
        }
        ++n;
        const std::string ns_text = std::to_string(n);
        ListItem* header = lvwTemp.Add_Item(key + sep + ns_text, nodClicked.text);
        std::size_t header_index = lvwTemp.Item_Count() - 1;
        if (header) {
            header->icon = nodClicked.image;
            header->small_icon = nodClicked.image;
            header->Set_Sub_Item(1, ns_text);
            header->bold = true;
            header->Set_Sub_Bold(1, true);
        }
        Order_Properties(object.properties, order, in_order);
        for (const auto& entry : in_order) {
            const WmiProperty& prop = object.properties[entry.second];
            std::string row_key = prop.name + sep + ns_text;
            const std::string& caption = captions.At(entry.second, prop.name);
            if (prop.is_array) {
                Format_Property_Value(prop, lvwTemp, row_key, caption, "");
                continue;
            }
            if (Is_Creation_Class_Name(prop.name)) continue;
            std::string value = Format_Property_Value(prop, lvwTemp, row_key, "", key);
            if (value.empty()) continue;
            const std::int32_t position = Goes_Under_Header(prop.name) ? static_cast<std::int32_t>(header_index + 2) : 0;
            ListItem* row = Add_ListItem_Indented(lvwTemp, position, std::move(row_key), caption, "", "Info", 1);
            if (!row) {
                // A property that repeats in one object keeps its first row.
                Clear_Error();
                continue;
            }
            row->Set_Sub_Item(1, std::move(value));
        }
        lvwTemp.Add_Item("Space0" + sep + ns_text, "    ");
        pr.listed_caption = "Listed " + ns_text;
        pr.value = (pr.value + 1) % 100;
        frmMain.Progress_Tick();
        if (Cancel_Requested) break;
        if (host_ && host_->Input_Pending()) host_->Do_Events();
    }
    if (n == 0 && !status.Failed()) {
        ListItem* row = lvwTemp.Add_Item("NoInfo" + sep + "0", "Name");
        if (row) {
            row->small_icon = "NoInfo";
            row->Set_Sub_Item(1, "No Information Available");
            row->bold = true;
        }
    }
    pr.visible = false;
    frmMain.Changed(ViewPart::Progress);
}

void MainController::Show_Stored_Feature(const std::string& strScanDate, std::int32_t lngDeviceID,
                                         const std::string& /*strDevice*/, std::int32_t lngFeatureID,
                                         ListModel& lvwTemp, const TreeNode& /*nodClicked*/) {
    if (cboScanDate.Text().empty()) return;
    StoreDate date;
    if (!Parse_Scan_Date(strScanDate, date.year, date.month, date.day)) {
        Set_Error(13, "Type mismatch");
        ++modal_depth_;
        Show_Error_Message(true);
        --modal_depth_;
        return;
    }
    SqlResult rows;
    if (!Get_Scan_Details(date, lngDeviceID, lngFeatureID, rows)) {
        Clear_Error();
        ListItem* row = lvwTemp.Add_Item("", "Name");
        if (row) {
            row->Set_Sub_Item(1, "No value as on selected scan date");
            row->small_icon = "NoInfo";
        }
        return;
    }
    for (std::size_t r = 1; r <= rows.Data_Row_Count(); ++r) {
        const std::string& name = rows.Text(r, 0);
        const std::string& value = rows.Text(r, 1);
        const std::string& image = rows.Text(r, 2);
        const bool bold = rows.Number(r, 3) != 0;
        ListItem* row = lvwTemp.Add_Item("", bold ? image : "    " + name);
        if (!row) break;
        row->Set_Sub_Item(1, value);
        if (!image.empty()) row->small_icon = image;
    }
}

void MainController::Refresh_MAC_Address(std::int32_t lngDeviceID, const std::string& strDevice) {
    WmiStatus status;
    auto services = Connect_Device(lngDeviceID, strDevice, 0, status);
    if (!services) {
        Clear_Error();
        return;
    }
    auto results = services->Exec_Query(
        std::string("Select") + " * " + "from Win32_NetworkAdapterConfiguration where IPEnabled=true",
        Wbem_Flag_Return_Immediately, status);
    if (!results) {
        Clear_Error();
        return;
    }
    // Adapters without an address add nothing, so the stored list never
    // holds empty entries.
    std::string text;
    WmiInstance object;
    while (results->Next(object, status)) {
        const WmiProperty* mac = object.Find("MACAddress");
        if (!mac || mac->Is_Null() || mac->is_array) continue;
        std::string value = Scalar_To_Text(mac->value);
        if (value.empty()) continue;
        if (!text.empty()) text += ',';
        text += value;
    }
    if (status.Failed()) {
        Clear_Error();
        return;
    }
    if (!text.empty()) Set_Device_MAC(lngDeviceID, text, true);
    Clear_Error();
}

}  // namespace crv
