// The computer list manager's bulk commands: Browse..., Cancel, Import and
// Export.
#include "dialogs/computer_names_file.h"
#include "dialogs/frm_manage_computers_controller.h"

#include <algorithm>
#include <unordered_set>

#include "core/error.h"
#include "store/computer_batch.h"
#include "store/devices.h"
#include "store/failure_scope.h"

namespace crv {

namespace {
constexpr const char* Names_Filter = "Text Files|*.txt|All Files|*.*";
// Names stored per transaction: one commit for many names, and a Cancel or a
// failure loses at most the batch in hand.
constexpr std::size_t Import_Batch_Size = 500;
}  // namespace

void ManageComputersController::cmdBrowse_Click() {
    if (busy_) return;
    if (!list_read_ && !Load_Computer_List()) return;  // as Import
    Begin_Busy(1);  // the bar does not move while browsing
    std::vector<std::string> domains;
    const std::int32_t count = network ? Enum_Domains(*network, domains) : 0;
    if (count > 0 && domains.empty()) {
        host_.Message_Box("Could not find any domain(s)!", box::Information);
    } else if (count > 0) {
        // A computer the store refuses is skipped and the browse goes on:
        // the store's box once for the whole browse, not once per computer
        // or domain. A file the store cannot use refuses every computer
        // alike: the browse stops there.
        StoreFailureScope store;
        for (const std::string& domain : domains) {
            host_.Do_Events();
            if (cancel_ || !Browse_Domain(domain)) break;
        }
    }
    End_Busy();
}

bool ManageComputersController::Browse_Domain(const std::string& domain) {
    std::vector<ServerEntry> servers;
    if (Enum_Servers(*network, domain, servers) <= 0) return true;  // nothing to add here
    for (const ServerEntry& server : servers) {
        host_.Do_Events();
        // A domain may list thousands of computers: Cancel counts between them.
        if (cancel_) break;
        const std::string name = host_.Upper_Case(server.name);
        if (Trim_Blanks(name).empty()) continue;
        // A computer is known when DEV_TBL holds its name; a name stored in
        // another case (by the system's rules) is the same computer.
        // An unread name is no new computer: adding it could list it twice.
        StoreFailureScope computer;
        std::int32_t id = Get_Device_ID(name, 2);
        if (computer.File_Refused()) return false;
        if (computer.Failed()) continue;
        if (id == 0) {
            auto listed = listed_.find(name);
            if (listed != listed_.end()) id = listed->second;
        }
        const auto platform = static_cast<std::int32_t>(server.platform_id);
        const auto type = static_cast<std::int32_t>(server.server_type);
        const auto major = static_cast<std::int32_t>(server.major_version);
        const auto minor = static_cast<std::int32_t>(server.minor_version);
        if (id != 0) {
            // Its credentials and its row stay; only the network data is new.
            if (!Update_Device_Network_Info(id, platform, type, major, minor, server.comment, domain)) Clear_Error();
        } else {
            id = Add_Device(name, "", "", platform, type, major, minor, server.comment, 1, 2, domain,
                            host_.Environment_Value("USERNAME"));
            if (id > 0) {
                Append_Computer_Row(id, name, "", "");
                lvwComputer.Notify();
            }
        }
        if (computer.File_Refused()) return false;
    }
    return true;
}

void ManageComputersController::cmdCancel_Click() { cancel_ = true; }

void ManageComputersController::cmdExport_Click() {
    if (busy_) return;
    if (lvwComputer.Item_Count() == 0) {
        host_.Message_Box("There is no item to export!", box::Exclamation);
        return;
    }
    const std::string chosen =
        host_.Show_Save_Dialog("Export computer names as text file", Names_Filter, 1, "CRV_Computer_Names");
    if (chosen.empty()) return;
    // The Save dialog has asked about replacing the name it returns; a name
    // this command completes is asked about here.
    bool appended = false;
    const std::string path = With_Text_Extension(chosen, appended);
    if (appended && host_.File_Exists(path) &&
        host_.Message_Box(path + " already exists.\nDo you want to replace it?", box::Yes_No | box::Question) !=
            box::Answer_Yes)
        return;

    std::vector<std::string> names;
    names.reserve(lvwComputer.Item_Count());
    for (std::size_t i = 0; i < lvwComputer.Item_Count(); ++i) names.push_back(lvwComputer.Item(i).text);
    const std::string text = Names_File_Text(names);
    // The ANSI code page, as the names file always was; when a name does not
    // fit it, or its bytes would read back as UTF-8, UTF-8 with its byte
    // order mark, so that no name is lost.
    std::string bytes;
    Ansi_Encoder encode = host_.Export_Encoder();
    if (!encode || !encode(text, bytes) ||
        Decode_Names_File(bytes, [this](const std::string& b) { return host_.From_Ansi(b); }) != text) {
        Clear_Error();
        bytes = "\xEF\xBB\xBF" + text;
    }
    if (!host_.Write_File(path, bytes)) Show_Error_Message(true);
}

void ManageComputersController::cmdImport_Click() {
    if (busy_) return;
    // The credentials typed in the dialog now, as the store keeps them; the
    // store would refuse them for every name, so they are checked once.
    const std::string user = Cut_Characters(txtUserName, Credential_Max_Length);
    const std::string password = Cut_Characters(txtPassword, Credential_Max_Length);
    if (Refuse_Unstorable_Credentials(user, password)) return;
    // The list tells a new name from a stored one: one that could not be
    // read is read again first, or nothing is imported.
    if (!list_read_ && !Load_Computer_List()) return;
    const std::string chosen =
        host_.Show_Open_Dialog("Import computer names from a text file", Names_Filter, 1, import_file_);
    if (chosen.empty()) return;
    import_file_ = chosen;
    std::string bytes;
    switch (host_.Read_File(chosen, Names_File_Max_Bytes, bytes)) {
    case DialogHost::FileRead::Ok:
        break;
    case DialogHost::FileRead::Too_Large:
        host_.Message_Box("The file is larger than 1 MB, too large for a list of computer names. Nothing was imported.",
                          box::Exclamation);
        return;
    case DialogHost::FileRead::Failed:
        Show_Error_Message(true);
        return;
    }
    const std::string text = Decode_Names_File(bytes, [this](const std::string& b) { return host_.From_Ansi(b); });
    if (text.find('\0') != std::string::npos) {
        host_.Message_Box("The file is not a text file of computer names. Nothing was imported.", box::Exclamation);
        return;
    }
    Import_Names(Split_Names_File(text), user, password);
}

void ManageComputersController::Import_Names(const std::vector<std::string>& fields, const std::string& user,
                                             const std::string& password) {
    Begin_Busy(static_cast<int>(fields.size()));

    const std::string added_by = host_.Environment_Value("USERNAME");
    // Import keeps the Password column clear of the scroll bar its own way:
    // once, when the rows first overflow the visible page.
    const std::int64_t overflow = static_cast<std::int64_t>(Get_Visible_ListItem_Count("lvwComputer")) + 1;
    std::vector<std::string> batch;
    // The names of the batch in hand: a name twice in the file is added once.
    std::unordered_set<std::string> pending;
    // Stores the batch in hand and shows its rows; false after the store's box.
    auto flush = [&] {
        if (batch.empty()) return true;
        const auto ids = Add_Computers(batch, user, password, added_by);
        if (!ids) {
            Clear_Error();
            return false;
        }
        for (std::size_t k = 0; k < batch.size(); ++k) {
            Append_Computer_Row((*ids)[k], batch[k], user, password, false);
            if (static_cast<std::int64_t>(lvwComputer.Item_Count()) == overflow && lvwComputer.Column_Count() >= 3)
                lvwComputer.Column(2).width_twips -= 250;
        }
        batch.clear();
        pending.clear();
        lvwComputer.Notify();
        return true;
    };
    bool stored = true;
    for (std::size_t i = 0; i < fields.size() && stored; ++i) {
        host_.Do_Events();
        if (cancel_) break;
        pbrProgress_value = static_cast<int>(i + 1);
        const std::string name = host_.Upper_Case(Trim_Blanks(fields[i]));
        if (Is_Valid_Computer(name) && !Is_Already_In_List(name) && pending.insert(name).second) {
            batch.push_back(name);
            if (batch.size() == Import_Batch_Size) stored = flush();
        }
        // The bar moves in steps: redrawing it for every name would cost
        // more than the name.
        if ((i + 1) % Import_Batch_Size == 0) host_.View_Changed();
    }
    // What was read before a Cancel is stored too; after a failure nothing more.
    if (stored) flush();
    End_Busy();
}

}  // namespace crv
