#pragma once
// The computer properties dialog's controller ("Additional Properties"): the
// stored record of one computer (alias, domain, MAC and IP address from the
// device row, asset details from its newest asset record) as twenty
// property rows, edited one value at a time, filled in part from the last
// stored System Summary, and saved as a new asset record. Portable; the
// Win32 view (win/frm_properties.h) shows it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "dialogs/dialog_host.h"
#include "ui/model/list_model.h"

namespace crv {

// The longest value a property row keeps.
inline constexpr std::size_t Property_Value_Max_Length = 100;

class PropertiesController {
public:
    explicit PropertiesController(DialogHost& host) : host_(host) {}

    // ---- controls ----
    // Two columns (name, value); the tag holds the loaded DEV_ID.
    ListModel lvwProperties;
    // Unsaved changes exist exactly while Save is enabled.
    bool cmdSave_enabled = false;

    // ---- public member ----
    // Keeps the computer's DEV_ID for Form_Load; the view shows the dialog.
    void ShowThisForm(std::int32_t lngDeviceID) { device_id_ = lngDeviceID; }
    std::int32_t Device_ID() const { return device_id_; }

    // ---- event handlers ----
    void Form_Load();
    void Load_Device_Properties(std::int32_t lngDeviceID);
    // Edits the selected row's value in the input box (not the name row).
    void lvwProperties_DblClick();
    // Enter edits like a double click; true when the key was used.
    bool lvwProperties_KeyPress(int key_ascii);
    void lblRetrieveProps_Click();
    void cmdSave_Click();
    // Close, Esc and the close box all end in Form_Unload.
    void cmdClose_Click();
    bool Form_KeyPress(int key_ascii);
    // True when the dialog may close: with unsaved changes only after the
    // user said Yes to closing without saving.
    bool Form_Unload();

private:
    std::int32_t Listed_Device_ID() const;
    void Set_Value(std::size_t row, std::string value);

    DialogHost& host_;
    std::int32_t device_id_ = 0;
};

}  // namespace crv
