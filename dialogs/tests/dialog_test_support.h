#pragma once
// A dialog host that answers boxes from a queue and records them, keeps the
// settings in a map, and a main window stand-in whose feature handler fills
// the list with a few rows and can run a hook (the user pressing Cancel).
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dialogs/dialog_host.h"
#include "ui/model/list_model.h"
#include "ui/model/tree_model.h"

namespace crv::test {

struct TestDialogHost : DialogHost {
    struct Box {
        std::string text;
        int flags;
    };
    std::vector<Box> boxes;
    std::deque<int> answers;  // empty: Yes to questions, OK otherwise
    std::map<std::string, std::string> settings;  // "section/key"
    std::vector<std::string> setting_writes;      // keys in write order
    std::string save_dialog_answer;
    std::string save_dialog_filter;
    std::string folder_answer;
    std::set<std::string> folders;
    std::vector<std::string> opened;
    std::vector<std::pair<std::string, bool>> focus;
    DialogTime now{2012, 5, 3, 14, 2, 9};
    std::string local = "LOCALPC";
    int events = 0;
    int closes = 0;
    int per_page = 12;
    std::function<void()> on_events;

    int Show_Box(const std::string& text, int flags) override;
    void Pump_Messages() override {
        ++events;
        if (on_events) on_events();
    }
    DialogTime Now() override { return now; }
    std::string Local_Computer_Name() override { return local; }
    std::string Environment_Value(const std::string& name) override { return name == "USERNAME" ? "tester" : ""; }
    std::string Get_Setting(const std::string& s, const std::string& k, const std::string& d) override;
    void Save_Setting(const std::string& s, const std::string& k, const std::string& v) override;
    std::string Show_Save_Dialog(const std::string&, const std::string& filter, int, const std::string&) override {
        save_dialog_filter = filter;
        return save_dialog_answer;
    }
    std::string Browse_For_Folder(const std::string&) override { return folder_answer; }
    bool Folder_Exists(const std::string& path) override { return folders.count(path) > 0; }
    void Open_With_Shell(const std::string& target) override { opened.push_back(target); }
    void Focus_Control(const std::string& name, bool select_all) override { focus.emplace_back(name, select_all); }
    int Count_Per_Page(const std::string&) override { return per_page; }
    void View_Changed() override {}
    void Close() override { ++closes; }
    Ansi_Encoder Export_Encoder() override;

    // The names file: the Open dialog answers open_dialog_answer; files are
    // real files of the test's own folder.
    std::string open_dialog_answer;
    std::string open_dialog_start;  // the name the last Open dialog started at
    std::vector<std::string> open_dialog_titles;
    std::string Show_Open_Dialog(const std::string& title, const std::string&, int,
                                 const std::string& file_name) override {
        open_dialog_titles.push_back(title);
        open_dialog_start = file_name;
        return open_dialog_answer;
    }
    FileRead Read_File(const std::string& path, std::size_t max_bytes, std::string& bytes) override;
    bool Write_File(const std::string& path, const std::string& bytes) override;
    bool File_Exists(const std::string& path) override;
    std::string From_Ansi(const std::string& bytes) override { return bytes; }
    // Upper case of ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic, as
    // the system gives it for those letters.
    std::string Upper_Case(const std::string& text) override;

    const std::string& Last_Box() const;

    // The Save dialog with its filter index: what it was offered, and the
    // index the user leaves it on (0 keeps the one offered).
    std::string save_dialog_title;
    std::string save_dialog_offered;
    int save_dialog_index = 0;
    int save_dialogs = 0;
    SaveFileChoice Choose_Save_File(const std::string& title, const std::string& filter, int filter_index,
                                    const std::string& file_name) override {
        ++save_dialogs;
        save_dialog_title = title;
        save_dialog_offered = file_name;
        save_dialog_filter = filter;
        return {save_dialog_answer, save_dialog_index ? save_dialog_index : filter_index};
    }

    // ---- input box: answers from a queue (empty: Cancel), records each ----
    struct Input {
        std::string prompt, title, default_text;
        std::size_t max_length;
    };
    std::vector<Input> inputs;
    std::deque<std::optional<std::string>> input_answers;
    std::optional<std::string> Input_Box(const std::string& prompt, const std::string& title,
                                         const std::string& default_text, std::size_t max_length) override {
        inputs.push_back({prompt, title, default_text, max_length});
        if (input_answers.empty()) return std::nullopt;
        std::optional<std::string> a = input_answers.front();
        input_answers.pop_front();
        return a;
    }
};

// Fills the list as one live listing of a feature: a bold header row, one
// row per property, a separator; records every call.
struct FakeMainLink : MainWindowLink {
    struct Call {
        std::int32_t device_id;
        std::string device;
        std::int32_t feature_id;
        std::string key;
        bool online;
    };
    std::vector<Call> calls;
    int cancels = 0;
    bool cancel_flag = false;
    std::function<void(const Call&, ListModel&)> during;  // runs mid-listing

    void Node_Clicked_Event_Handler(std::int32_t lngDeviceID, const std::string& strDevice,
                                    std::int32_t lngFeatureID, const std::string& strFeatureKey,
                                    const std::string& strFeatureImage, const TreeNode& nodClicked,
                                    ListModel& lvwTemp, const std::string& strScanDate, bool blnOnline) override;
    void cmdCancel_Click() override {
        ++cancels;
        cancel_flag = true;
    }
};

}  // namespace crv::test
