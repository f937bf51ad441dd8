#include "wmi/tabular_scan.h"

#include <array>
#include <string_view>
#include <unordered_map>

#include "core/error.h"
#include "store/devices.h"
#include "store/failure_scope.h"
#include "store/sql_text.h"
#include "store/tabular.h"
#include "ui/model/list_helpers.h"
#include "ui/model/list_model.h"
#include "wmi/connection.h"
#include "wmi/format/formatter.h"

namespace crv {
namespace {

constexpr std::array<std::string_view, 3> Security_Center_Classes{"AntiVirusProduct", "AntiSpywareProduct",
                                                                  "FirewallProduct"};
constexpr std::string_view Adapter_Class = "Win32_NetworkAdapterConfiguration";
constexpr std::string_view Adapter_Filter = " WHERE IPEnabled=True";

std::size_t Character_Count(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

void Query_Class(WmiServices* connection, std::string& set_text, const std::string& class_name,
                 const SqlResult& grid, const std::string& filter, bool strip_prefix) {
    if (!connection) return;
    // The grid columns of this class, in column order, with their properties.
    std::vector<std::size_t> columns;
    for (std::size_t c = Tabular_First_Property_Column; c < grid.Column_Count(); ++c)
        if (grid.Text(Tabular_Class_Row, c) == class_name) columns.push_back(c);

    WmiStatus status;
    auto results = connection->Exec_Query("Select * from " + class_name + filter, Wbem_Flag_Return_Immediately,
                                          status);
    if (!results || status.Failed()) return;
    std::vector<TabularCellValue> values;
    WmiInstance instance;
    bool first = true;
    while (results->Next(instance, status)) {
        if (first) {
            values.reserve(columns.size());
            for (std::size_t c : columns) values.push_back({grid.Column_Name(c), {}});
            first = false;
        }
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const WmiProperty* property = instance.Find(grid.Text(Tabular_Property_Row, columns[i]));
            std::string text = property ? Format_Property_Value_For_Cell(*property, class_name) : std::string();
            if (strip_prefix) text = Strip_Bracket_Prefix(text);
            values[i].text += text;
            values[i].text += ", ";
        }
    }
    // A class that failed part-way assigns nothing rather than half its
    // instances.
    if (status.Failed()) return;
    Append_Update_Values(set_text, values);
}

}  // namespace

void Get_Distinct_Classes(std::vector<std::string>& classes, const SqlResult& grid) {
    for (std::size_t c = Tabular_First_Property_Column; c < grid.Column_Count(); ++c) {
        const std::string& name = grid.Text(Tabular_Class_Row, c);
        if (name.empty()) continue;
        bool known = false;
        for (const std::string& seen : classes)
            if (seen == name) {
                known = true;
                break;
            }
        if (!known) classes.push_back(name);
    }
}

void Build_Class_Update(WmiServices* connection, std::string& set_text, const std::string& class_name,
                        const SqlResult& grid) {
    Query_Class(connection, set_text, class_name, grid, {}, false);
}

void Build_Class_Update_Where(WmiServices* connection, std::string& set_text, const std::string& class_name,
                              const SqlResult& grid, const std::string& filter) {
    Query_Class(connection, set_text, class_name, grid, filter, true);
}

void Append_Update_Values(std::string& set_text, std::vector<TabularCellValue>& values) {
    for (TabularCellValue& value : values) {
        const std::size_t head = Character_Count(value.column) + 2;  // NAME='
        std::string text = head < Tabular_Cell_Limit ? Cut_Characters(value.text, Tabular_Cell_Limit - head)
                                                      : std::string();
        while (!text.empty() && (text.back() == ' ' || text.back() == ',')) text.pop_back();
        set_text += value.column;
        set_text += "='";
        set_text += Double_Quotes(text);
        set_text += "', ";
    }
    values.clear();
}

bool Scan_Tabular_Computer(std::string& set_text, const SqlResult& grid, const std::string& computer,
                           const std::string& user, const std::string& password, const std::string& scan_date,
                           const std::string& domain) {
    std::vector<std::string> classes;
    Get_Distinct_Classes(classes, grid);
    auto cimv2 = Connect_WMI(computer, user, password, Namespace_CIMV2, domain);
    if (!cimv2) {
        Clear_Error();
        return false;
    }
    auto security = Connect_WMI(computer, user, password, Namespace_SecurityCenter2, domain);
    if (!security) Clear_Error();

    std::string text = "UPDATE TABULAR_REPORT_TBL SET SCAN_DATE='" + scan_date + "', ";
    for (const std::string& name : classes) Build_Class_Update(cimv2.get(), text, name, grid);
    for (std::string_view name : Security_Center_Classes)
        Build_Class_Update(security.get(), text, std::string(name), grid);
    Build_Class_Update_Where(cimv2.get(), text, std::string(Adapter_Class), grid, std::string(Adapter_Filter));
    set_text = std::move(text);
    return true;
}

std::vector<TabularScanRow> Tabular_Scan_Snapshot(const ListModel& list) {
    std::vector<TabularScanRow> rows;
    for (std::size_t i = 0; i < list.Item_Count(); ++i) {
        const ListItem& item = list.Item(i);
        if (!item.checked) continue;
        rows.push_back({static_cast<std::int32_t>(Text_Number(item.tag)), 0, item.text});
    }
    if (rows.empty()) return rows;
    SqlResult grid;
    std::int32_t count = 0;
    if (!Get_SQL_Result(count, grid, "SELECT TR_ID,DEV_ID FROM TABULAR_REPORT_TBL WHERE TR_ID>0")) return rows;
    std::unordered_map<std::int64_t, std::int32_t> devices;
    devices.reserve(grid.Data_Row_Count());
    for (std::size_t r = 1; r <= grid.Data_Row_Count(); ++r)
        devices[grid.Number(r, 0)] = static_cast<std::int32_t>(grid.Number(r, 1));
    for (TabularScanRow& row : rows) {
        auto it = devices.find(row.tr_id);
        if (it != devices.end()) row.dev_id = it->second;
    }
    return rows;
}

std::size_t Run_Tabular_Scan(const std::vector<TabularScanRow>& rows, const StoreDateTime& scan_date,
                             const TabularScanHooks& hooks) {
    // The grid's columns do not change during a scan: one read serves every
    // computer.
    SqlResult grid;
    std::int32_t count = 0;
    if (!Get_Tabular_Report_Rows(count, grid, 0)) return 0;
    const std::string date = Format_Store_Date_Time(scan_date);
    std::size_t processed = 0;
    // A locked or broken file fails every row alike: its first failure
    // (the hooks' refreshes included) is shown once and ends the scan. A
    // row's refused UPDATE is shown once too, and the scan goes on.
    StoreFailureScope store;
    for (const TabularScanRow& row : rows) {
        bool updated = false;
        SqlResult device;
        // Each row's own computer and credentials, or nothing at all.
        if (row.dev_id > 0 && row.tr_id > 0 && Get_Device_Info(row.dev_id, device) &&
            device.Data_Row_Count() >= 1 && device.Number(1, 4) == 2) {
            std::string set_text;
            if (Scan_Tabular_Computer(set_text, grid, device.Text(1, 0), device.Text(1, 1), device.Text(1, 2), date,
                                      device.Text(1, 7)) &&
                set_text.size() > 1) {
                set_text.resize(set_text.size() - 2);
                set_text += " WHERE TR_ID=" + std::to_string(row.tr_id);
                Execute_SQL(set_text);
                updated = true;
            }
        }
        ++processed;
        if (hooks.row_done) hooks.row_done(row, updated);
        if (store.File_Refused() || (hooks.cancelled && hooks.cancelled())) break;
    }
    return processed;
}

bool Refresh_Tabular_Row(ListItem& item, std::int32_t reportId) {
    const auto tr_id = static_cast<std::int32_t>(Text_Number(item.tag));
    SqlResult rows;
    std::int32_t count = 0;
    std::vector<std::string> flags;
    if (!Get_Tabular_Report_Rows(count, rows, tr_id) || !Get_Report_Visibility(reportId, flags)) return false;
    constexpr std::size_t Computer_Row = 7;
    item.sub_items.clear();
    for (std::size_t c = 3; c < rows.Column_Count(); ++c)
        if (c < flags.size() && Text_Number(flags[c]) != 0) item.sub_items.push_back(rows.Text(Computer_Row, c));
    return true;
}

}  // namespace crv
