#include "ui/model/list_layouts.h"

#include <utility>

#include "core/error.h"

namespace crv {
namespace {

Show_Tabular_Report_Hook& Tabular_Report_Hook() {
    static Show_Tabular_Report_Hook hook;
    return hook;
}

template <std::size_t N>
void Lay_Out_Report(ListModel& list, const std::array<LayoutColumn, N>& columns) {
    list.view = ListViewMode::Report;
    list.Clear_Columns();
    for (const LayoutColumn& c : columns)
        list.Add_Column(std::string(c.key), std::string(c.caption), c.width_twips);
    list.hide_column_headers = false;
    list.multi_select = false;
}

}  // namespace

Show_Tabular_Report_Hook Set_Show_Tabular_Report_Hook(Show_Tabular_Report_Hook hook) {
    return std::exchange(Tabular_Report_Hook(), std::move(hook));
}

bool Setup_ListView_Columns(ListModel& list, ListView_Layout kind, const std::string& key) {
    bool ok = true;
    list.checkboxes = false;
    switch (kind) {
    case Layout_Root_Summary:
    case Layout_Property_List:
        Lay_Out_Report(list, Property_Columns);
        break;
    case Layout_Processes:
        Lay_Out_Report(list, Process_Columns);
        break;
    case Layout_Services:
        Lay_Out_Report(list, Service_Columns);
        break;
    case Layout_Installed_Products:
        Lay_Out_Report(list, Installed_Product_Columns);
        break;
    case Layout_Feature_Group:
        list.hide_column_headers = true;
        list.view = ListViewMode::Icon;
        list.multi_select = false;
        break;
    case Layout_Tabular_Report:
        list.view = ListViewMode::Report;
        list.checkboxes = true;
        list.Clear_Columns();
        list.Clear_Items();
        if (const auto& hook = Tabular_Report_Hook()) {
            ok = hook(list, key);
        } else {
            Set_Error(5, "No tabular report display is installed.");
            ok = false;
        }
        list.hide_column_headers = false;
        list.multi_select = false;
        break;
    case Layout_Group_Members:
        list.view = ListViewMode::Report;
        list.Clear_Columns();
        for (std::string_view k : Group_Member_Column_Keys)
            list.Add_Column(std::string(k), std::string(k), Group_Member_Column_Width);
        list.hide_column_headers = false;
        list.multi_select = true;
        break;
    default:
        break;
    }
    list.Notify();
    return ok;
}

}  // namespace crv
