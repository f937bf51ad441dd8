#pragma once
// What the dialogs' controllers need from the window side (boxes, the
// message pump, the clock, the settings store, file and folder choosers,
// focus, closing) and from the main window (its feature handler and its
// Cancel). The Win32 views implement both; tests answer them instead.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/maker.h"
#include "core/pump_frame.h"
#include "export/ansi_encoder.h"
#include "export/export_file.h"

namespace crv {

class ListModel;
struct TreeNode;

// Message box buttons and icons (the MessageBox style bits) and the answers.
namespace box {
inline constexpr int Ok = 0;
inline constexpr int Yes_No = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int Answer_Ok = 1;
inline constexpr int Answer_Yes = 6;
inline constexpr int Answer_No = 7;
}  // namespace box

struct DialogTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class DialogHost : public WaitingHost {
public:
    // Message_Box (answers box::Answer_*) and Do_Events come from WaitingHost.
    virtual DialogTime Now() = 0;
    virtual std::string Local_Computer_Name() = 0;
    virtual std::string Environment_Value(const std::string& name) = 0;
    // The per-user settings store under the product name.
    virtual std::string Get_Setting(const std::string& section, const std::string& key,
                                    const std::string& default_value) = 0;
    virtual void Save_Setting(const std::string& section, const std::string& key, const std::string& value) = 0;
    // The Save dialog; "" when the user cancelled it.
    virtual std::string Show_Save_Dialog(const std::string& title, const std::string& filter, int filter_index,
                                         const std::string& file_name) = 0;
    // A folder chooser starting at `initial`; "" when cancelled.
    virtual std::string Browse_For_Folder(const std::string& initial) = 0;
    // True only for an existing folder (a file does not count).
    virtual bool Folder_Exists(const std::string& path) = 0;
    virtual void Open_With_Shell(const std::string& target) = 0;
    // Moves the focus to a control by name, optionally selecting its text.
    virtual void Focus_Control(const std::string& name, bool select_all) = 0;
    // Rows that fit in the visible page of a list (LVM_GETCOUNTPERPAGE).
    virtual int Count_Per_Page(const std::string& list_name) = 0;
    // The controller's state changed: the view re-reads it.
    virtual void View_Changed() = 0;
    // Unloads the dialog once the running handler has returned.
    virtual void Close() = 0;
    // The code-page conversion of the export files.
    virtual Ansi_Encoder Export_Encoder() = 0;

    // ---- export files, modeless dialogs ----
    // The Save dialog with the filter index the user left it on; an empty
    // file name when cancelled. The default keeps the index it was given.
    virtual SaveFileChoice Choose_Save_File(const std::string& title, const std::string& filter, int filter_index,
                                            const std::string& file_name) {
        return {Show_Save_Dialog(title, filter, filter_index, file_name), filter_index};
    }

    // ---- the computer names file and computer names ----
    // The Open dialog, starting at file_name; "" when the user cancelled it.
    virtual std::string Show_Open_Dialog(const std::string& title, const std::string& filter, int filter_index,
                                         const std::string& file_name) = 0;
    // The whole file when it holds at most max_bytes (Too_Large reads
    // nothing); Failed leaves the reason in the pending error.
    enum class FileRead { Ok, Too_Large, Failed };
    virtual FileRead Read_File(const std::string& path, std::size_t max_bytes, std::string& bytes) = 0;
    // Creates or replaces the file; false leaves the reason in the pending error.
    virtual bool Write_File(const std::string& path, const std::string& bytes) = 0;
    virtual bool File_Exists(const std::string& path) = 0;
    // Bytes of the ANSI code page as UTF-8 (the inverse of Export_Encoder).
    virtual std::string From_Ansi(const std::string& bytes) = 0;
    // Upper case by the system's rules for every letter, not only A to Z.
    virtual std::string Upper_Case(const std::string& text) = 0;

    // ---- input box (computer properties) ----
    // A modal box with a prompt, a title and a text field that starts with
    // `default_text` and takes at most max_length characters; the text on
    // OK, nullopt on Cancel.
    virtual std::optional<std::string> Input_Box(const std::string& prompt, const std::string& title,
                                                 const std::string& default_text, std::size_t max_length) = 0;
};

// The main window as the scan dialog sees it.
class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;
    virtual void Node_Clicked_Event_Handler(std::int32_t lngDeviceID, const std::string& strDevice,
                                            std::int32_t lngFeatureID, const std::string& strFeatureKey,
                                            const std::string& strFeatureImage, const TreeNode& nodClicked,
                                            ListModel& lvwTemp, const std::string& strScanDate,
                                            bool blnOnline) = 0;
    virtual void cmdCancel_Click() = 0;
};

// The maker's page the dialogs' link labels open.
inline constexpr const char* Dialog_Link_Address = Maker_Page_Address.data();

}  // namespace crv
