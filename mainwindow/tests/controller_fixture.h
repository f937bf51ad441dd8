#pragma once
// The main window's controller against a real store (a copy of the shipped
// database) and the fake WMI port; boxes are answered by the test host.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "core/common.h"
#include "core/error.h"
#include "mainwindow/frm_main_controller.h"
#include "store/devices.h"
#include "store/features.h"
#include "store/scans.h"
#include "store/settings.h"
#include "store/store.h"
#include "wmi/fake_wmi.h"
#include "store/tests/test_database.h"

namespace crv::test {

namespace fs = std::filesystem;
inline const std::string SEP(Row_Key_Separator);

struct TestHost : MainHost {
    struct Box {
        std::string text;
        int flags;
    };
    std::vector<Box> boxes;
    std::deque<int> answers;
    std::function<void()> on_box;
    std::function<void()> on_events;
    bool input = false;
    int events = 0;
    int locks = 0;
    LocalTime now{2024, 3, 7, 10, 11, 12};
    std::string local = "LOCALPC";
    std::map<std::string, std::string> settings;
    std::set<std::string> loaded_forms;

    int Show_Box(const std::string& text, int flags) override {
        boxes.push_back({text, flags});
        if (on_box) on_box();
        if (answers.empty()) return (flags & Mb_Yes_No) ? Answer_No : Answer_Ok;
        int a = answers.front();
        answers.pop_front();
        return a;
    }
    void Pump_Messages() override {
        ++events;
        if (on_events) on_events();
    }
    bool Input_Pending() override { return input; }
    LocalTime Now() override { return now; }
    std::string Local_Computer_Name() override { return local; }
    std::string Environment_Value(const std::string& name) override { return name == "USERNAME" ? "tester" : ""; }
    std::string Get_Setting(const std::string& s, const std::string& k, const std::string& d) override {
        auto it = settings.find(s + "/" + k);
        return it == settings.end() ? d : it->second;
    }
    void Save_Setting(const std::string& s, const std::string& k, const std::string& v) override {
        settings[s + "/" + k] = v;
    }
    bool Is_Form_Loaded(const std::string& name) override { return loaded_forms.count(name) > 0; }
    void View_Changed(ViewPart) override {}
    void Lock_List_Painting(bool locked) override {
        if (locked) ++locks;
    }
    void Focus_Features() override {}
    void Ensure_Feature_Visible(const TreeNode&) override {}
    void Begin_Device_Label_Edit() override {}
    std::vector<std::string> popups;
    std::vector<std::string> pages;
    int closes = 0;
    void Popup_Menu(const std::string& name) override { popups.push_back(name); }
    void Open_Page(const std::string& address) override { pages.push_back(address); }
    std::map<std::string, bool> bands;  // coolbar band -> shown, as last asked
    void Show_Toolbar_Band(const std::string& band, bool visible) override { bands[band] = visible; }
    void Close_Window() override { ++closes; }
    std::function<void()> on_unload_forms;
    void Unload_All_Forms() override {
        if (on_unload_forms) on_unload_forms();
    }

    // The Save dialog: what it was offered, and the file ("" cancels) and
    // filter index the user leaves it on.
    std::string save_answer;
    int save_index = 1;
    std::string save_title, save_filter, save_offered;
    int save_dialogs = 0;
    SaveFileChoice Choose_Save_File(const std::string& t, const std::string& f, int, const std::string& name) override {
        ++save_dialogs;
        save_title = t;
        save_filter = f;
        save_offered = name;
        return {save_answer, save_index};
    }
    Ansi_Encoder Export_Encoder() override {
        return [](std::string_view utf8, std::string& out) {
            out.append(utf8);
            return true;
        };
    }
};

inline WmiInstance Instance(std::vector<WmiProperty> props) {
    WmiInstance o;
    o.properties = std::move(props);
    return o;
}

class ControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_port_ = Set_Wmi_Port(&wmi_);
        Clear_Error();
        Cancel_Requested = false;

        // A small feature catalogue.
        auto feature = [](const char* key, const char* name, const char* type, const char* parent,
                          const char* image = "Info") { ASSERT_TRUE(Save_Feature(key, name, "", type, image, parent)); };
        feature("[Root...]", "Computer", "0", "", "Computer");
        feature("Hardware", "Hardware", "1", "[Root...]", "Device");
        feature("Win32_OperatingSystem", "Operating System", "2", "Hardware", "Windows");
        feature("Win32_Processor", "Processors", "2", "Hardware", "Processor");
        feature("RTT_RemoteTaskManager", "Processes", "2", "Hardware", "Process");
        feature("RTT_SCM", "Services", "2", "Hardware", "Service");
        feature("Cust_InstalledProducts", "Installed Products", "2", "Hardware");
        feature("Cust_ProblemDevices", "Problem Devices", "2", "Hardware");
        feature("Lic_SoftwareLicensingProduct", "Licensing", "2", "Hardware");
        feature("SC_AntiVirusProduct", "Anti Virus", "2", "Hardware");
        feature("MSAcpi_ThermalZoneTemperature", "Thermal", "2", "Hardware");
        feature("MSStorageDriver_FailurePredictStatus", "Failure", "2", "Hardware");
        feature("CIM_Fan", "Fans", "2", "Hardware");
        pc_ = Add_Device("PC7", "", "", 0, 0, 0, 0, "x", 1, 2, "", "tester");
        ASSERT_GT(pc_, 0);
        c_.Set_Host(&host_);
    }
    void TearDown() override {
        Set_Wmi_Port(previous_port_);
    }

    // Start-up as the window does it, minus geometry.
    void Start() {
        c_.Initialize_Main_Window(true);
        c_.Select_Default_Computer();
    }
    TreeNode* Feature(const std::string& key) { return c_.tvwFeatures.Find(key); }
    void Click(const std::string& key) {
        TreeNode* n = Feature(key);
        ASSERT_NE(n, nullptr) << key;
        c_.tvwFeatures.Select(n);
        c_.tvwFeatures_NodeClick(n);
    }
    std::string Query_Of(const std::string& cls) {
        for (const auto& q : wmi_.queries)
            if (q.find(cls) != std::string::npos) return q;
        return {};
    }
    void Set_Online(bool online) { ASSERT_TRUE(Set_Work_Online(online)); }
    // Stand-ins for the operations' handlers, which their own work brings:
    // the items follow the display mode only once they can act.
    void Register_Operation_Stubs() {
        for (const char* n : {"mnuOperationsPowShutdown", "mnuOperationsPowRestart", "mnuOperationsPowBoot",
                              "mnuOperationsProcessKill", "mnuOperationsServiceControl", "mnuOperationsServiceStartMode",
                              "mnuOperationsReportAdd", "mnuOperationsReportRename", "mnuOperationsReportDelete",
                              "mnuOperationsReportCustomize", "mnuOperationsReportScan", "mnuOperationsReportSelectItem"})
            c_.Register_Command(n, [this, n](int index) { operations_run_.push_back(Command_Name(n, index)); });
    }
    std::vector<std::string> operations_run_;
    // Lists 50 processors, yielding to the pump after each; `during` runs
    // once from inside that pump.
    void List_Processors_Running(const std::function<void()>& during) {
        FakeWmiPort::QueryAnswer many;
        for (int i = 0; i < 50; ++i) many.objects.push_back(Instance({Wmi_Text("Name", "P" + std::to_string(i))}));
        wmi_.Set_Answer("SELECT * FROM Win32_Processor", many);
        host_.input = true;
        host_.events = 0;
        bool done = false;
        host_.on_events = [&] {
            if (!done && host_.events == 3) {
                done = true;
                during();
            }
        };
        Click("Win32_Processor");
        host_.on_events = nullptr;
        host_.input = false;
    }

    test::TestDatabase db_{false};
    test::RecordingReporter& reporter_ = db_.reporter;
    FakeWmiPort wmi_;
    WmiPort* previous_port_ = nullptr;
    TestHost host_;
    MainController c_;
    std::int32_t pc_ = 0;
};

}  // namespace crv::test
