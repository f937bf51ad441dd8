#include "wmi/collectors.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <memory_resource>
#include <optional>
#include <string_view>
#include <unordered_set>

#include "core/common.h"
#include "core/error.h"
#include "store/features.h"
#include "ui/model/list_helpers.h"
#include "wmi/connection.h"
#include "wmi/format/formatter.h"
#include "wmi/registry_provider.h"

namespace crv {
namespace {

const std::string Sep(Row_Key_Separator);
const std::string Caption_Indent = "    ";

// Adds a bold row; a key already used (a second failure row) gives a row
// without key rather than none.
ListItem& Add_Bold_Row(ListModel& list, const std::string& key, const std::string& text, const std::string& value,
                       const std::string& small_icon) {
    ListItem* item = list.Add_Item(key, text);
    if (!item) item = list.Add_Item("", text);
    item->small_icon = small_icon;
    item->Set_Sub_Item(1, value);
    item->bold = true;
    return *item;
}

// Writes the failure row for the pending error and clears it.
void Add_Failure_Row(ListModel& list, const std::string& key_suffix, bool keyed) {
    const PendingError& error = Pending_Error();
    if (Is_Feature_Not_Supported_Error(error.number))
        Add_Bold_Row(list, keyed ? "NoInfo" + Sep + key_suffix : "", "Name", Not_Supported_Text, "NoInfo");
    else
        Add_Bold_Row(list, keyed ? "Error" + Sep + key_suffix : "", "Error", error.description, "NoInfo");
    Clear_Error();
}

bool Fail(const WmiStatus& status) {
    Set_Error(status.number, status.description);
    return false;
}

// Writes the objects of the query; false with the error pending when any
// step failed.
bool List_Objects(std::int32_t deviceId, const std::string& computer, ListModel& list, const TreeNode& node,
                  const std::string& wql, const PropertyOrder& order, std::int32_t& n) {
    auto services = Connect_Device_WMI(deviceId, computer, Namespace_CIMV2);
    if (!services) return false;
    WmiStatus status;
    auto objects = services->Exec_Query(wql, Wql_Query_Flags, status);
    if (!objects) return Fail(status);

    // The check for a repeated name takes its memory from a buffer that
    // every object reuses.
    PropertyCaptions captions;
    std::array<std::byte, 8192> seen_room;
    PropertySequence in_order;
    WmiInstance object;
    while (objects->Next(object, status)) {
        ++n;
        const std::string number = std::to_string(n);
        ListItem* header = list.Add_Item(node.key + Sep + number, node.text);
        if (!header) return Fail(WmiStatus::Error(35602, "Key is not unique in collection"));
        header->small_icon = node.image;
        header->Set_Sub_Item(1, number);
        header->bold = true;
        header->Set_Sub_Bold(1, true);
        const std::int32_t header_index = static_cast<std::int32_t>(list.Item_Count()) - 1;

        // An object that repeats a property name keeps its first value.
        std::pmr::monotonic_buffer_resource seen_memory(seen_room.data(), seen_room.size());
        std::pmr::unordered_set<std::string_view> seen(object.properties.size(), &seen_memory);
        Order_Properties(object.properties, order, in_order);
        for (const auto& entry : in_order) {
            const std::size_t p = entry.second;
            const WmiProperty& property = object.properties[p];
            if (!seen.insert(property.name).second) continue;
            std::string key = property.name + Sep + number;
            const std::string& caption = captions.At(p, property.name);
            if (property.is_array) {
                Format_Property_Value(property, list, key, caption, "");
                continue;
            }
            std::string text = Format_Property_Value(property, list, "", "", node.key);
            if (text.empty()) continue;
            std::int32_t position = 0;  // append
            if (Goes_Under_Header(property.name))
                position = header_index + 2;  // 1-based: the row right after the header
            else if (Is_Creation_Class_Name(property.name))
                continue;
            ListItem* row = Add_ListItem_Indented(list, position, std::move(key), caption, "", "Info", 1);
            if (!row) {
                // A key an array's rows already took: that value stays.
                Clear_Error();
                continue;
            }
            row->Set_Sub_Item(1, std::move(text));
        }
        ListItem* spacer = list.Add_Item("Space" + Sep + "0" + number, Caption_Indent);
        if (!spacer) return Fail(WmiStatus::Error(35602, "Key is not unique in collection"));
    }
    if (status.Failed()) return Fail(status);
    if (n == 0) Add_Bold_Row(list, "Name" + Sep + "0", "Name", No_Information_Text, "NoInfo");
    return true;
}

std::int64_t Unsigned32(std::int64_t value) {
    return value < 0 && value >= INT32_MIN ? value + 4294967296LL : value;
}

}  // namespace

// Asked of every property of every object: compared as views, a name of
// another length is told apart without reading it.
bool Goes_Under_Header(std::string_view name) {
    using namespace std::string_view_literals;
    return name == "Model"sv || name == "Manufacturer"sv || name == "Caption"sv || name == "Description"sv ||
           name == "Name"sv;
}

bool Is_Creation_Class_Name(std::string_view name) {
    using namespace std::string_view_literals;
    return name == "CSCreationClassName"sv || name == "SystemCreationClassName"sv || name == "CreationClassName"sv;
}

const std::string& PropertyCaptions::At(std::size_t position, const std::string& name) {
    if (position >= made_.size()) made_.resize(position + 1);
    auto& [made_for, caption] = made_[position];
    if (caption.empty() || made_for != name) {
        made_for = name;
        caption = Caption_Indent + Make_Display_Name(name);
    }
    return caption;
}

PropertyOrder::PropertyOrder(const std::vector<std::string>& names) {
    ranks_.reserve(names.size());
    for (const std::string& name : names) ranks_.emplace(name, ranks_.size());  // a twin keeps the first place
}

std::size_t PropertyOrder::Rank(std::string_view name) const {
    auto it = ranks_.find(name);
    return it == ranks_.end() ? ranks_.size() : it->second;
}

PropertyOrder Feature_Property_Order(std::int32_t featureId) {
    SqlResult props;
    std::vector<std::string> names;
    if (featureId > 0 && Get_Feature_Props(featureId, props, false))
        for (std::size_t row = 1; row <= props.Data_Row_Count(); ++row) names.push_back(props.Text(row, 1));
    Clear_Error();
    return PropertyOrder(names);
}

PropertyOrder Select_List_Order(std::string_view selectList) {
    std::vector<std::string> names;
    while (!selectList.empty()) {
        const std::size_t comma = selectList.find(',');
        std::string_view name = selectList.substr(0, comma);
        while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
        while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
        if (!name.empty() && name != "*") names.emplace_back(name);
        if (comma == std::string_view::npos) break;
        selectList.remove_prefix(comma + 1);
    }
    return PropertyOrder(names);
}

void Order_Properties(const WmiObject& properties, const PropertyOrder& order, PropertySequence& sequence) {
    // Under the header: before everything, as they came. Each rank is read once.
    sequence.resize(properties.size());
    for (std::size_t i = 0; i < properties.size(); ++i)
        sequence[i] = {order.empty() || Goes_Under_Header(properties[i].name) ? 0 : order.Rank(properties[i].name) + 1,
                       i};
    if (order.empty()) return;
    std::stable_sort(sequence.begin(), sequence.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
}

bool Is_Failure_Row(const ListItem& row) {
    // "Feature disabled or not supported by OS" is the computer's answer,
    // not a failure: a scan keeps it as it keeps any other.
    if (row.small_icon != "NoInfo") return false;
    return Get_Field(row.key, 0) == "Error" || row.text == "Error";
}

bool Is_Failed_Listing(const ListModel& list) {
    // Blank spacer rows may follow a failure row; the last other row tells.
    for (std::size_t i = list.Item_Count(); i-- > 0;) {
        const ListItem& row = list.Item(i);
        const bool blank = row.text.find_first_not_of(' ') == std::string::npos &&
                           row.Sub_Item(1).find_first_not_of(' ') == std::string::npos;
        if (Is_Failure_Row(row)) return true;
        if (!blank) return false;
    }
    return false;
}

bool Is_Feature_Not_Supported_Error(std::int32_t number) {
    return number == Wbem_E_Invalid_Class || number == Wbem_E_Invalid_Namespace || number == Wbem_E_Not_Supported;
}

void Collect_WQL_To_ListView(std::int32_t deviceId, const std::string& computer, ListModel& list,
                             const TreeNode& featureNode, const std::string& wql, const PropertyOrder& order) {
    std::int32_t n = 0;
    if (!List_Objects(deviceId, computer, list, featureNode, wql, order, n)) Add_Failure_Row(list, std::to_string(n), true);
    list.Notify();
}

void Collect_Class_To_ListView(std::int32_t deviceId, const std::string& computer, ListModel& list,
                               const TreeNode& featureNode, const std::string& className,
                               const PropertyOrder& order) {
    std::string wql;
    if (!Build_Select_All_Query(className, wql)) {
        // Refused before anything was sent: the listing's error row says why.
        Add_Failure_Row(list, "0", true);
        list.Notify();
        return;
    }
    Collect_WQL_To_ListView(deviceId, computer, list, featureNode, wql, order);
}

std::string Installed_Size_Text(std::int64_t kilobytes) {
    if (kilobytes > 1024) return Fixed_Number_Text(static_cast<double>(kilobytes) / 1024.0, 2) + " MB";
    return std::to_string(kilobytes) + " KB";
}

std::string Installed_Date_Text(const std::string& text) {
    if (text.empty() || text.find('/') != std::string::npos) return text;
    for (char c : text)
        if (c < '0' || c > '9') return text;
    std::string digits = text.size() < 8 ? std::string(8 - text.size(), '0') + text : text;
    std::size_t n = digits.size();
    return digits.substr(0, n - 4) + "-" + digits.substr(n - 4, 2) + "-" + digits.substr(n - 2);
}

void Collect_Installed_Software(std::int32_t deviceId, const std::string& computer, ListModel& list) {
    auto services = Connect_Device_WMI(deviceId, computer, Namespace_Default);
    if (!services) {
        Add_Failure_Row(list, "", false);
        list.Notify();
        return;
    }
    std::vector<std::string> products;
    if (!Enum_WMI_Reg_Keys(*services, Hkey_Local_Machine, Uninstall_Key_Path, products)) {
        // A missing provider is left pending for the list; any other failure
        // was shown already.
        if (!Pending_Error().empty()) Add_Failure_Row(list, "", false);
        list.Notify();
        return;
    }
    const std::string name_key = list.Column_Count() ? list.Column(0).key : "DisplayName";
    // A provider without one of the methods fails alike for every product:
    // each distinct failure is shown once (once for a whole run over
    // computers that keeps a scope of its own), and the products are listed
    // with the values that could be read. A provider that went away ends the
    // list with its error row, so a short list never passes for a whole one.
    DistinctErrorScope distinct;
    bool disconnected = false;
    auto read = [&](const std::string& path, const std::string& name, std::int32_t type, WmiScalar& value) {
        std::int32_t answer = 0;
        WmiStatus status;
        if (Read_WMI_Reg_Value(*services, Hkey_Local_Machine, path, name, type, answer, value, status)) return;
        value = std::monostate{};
        Set_Error(status.number, status.description);
        if (status.number == Rpc_E_Disconnected) {
            disconnected = true;
            return;
        }
        Show_Distinct_Error_Message();
    };
    for (const std::string& product : products) {
        const std::string path = std::string(Uninstall_Key_Path) + "\\" + product;
        WmiScalar value;
        read(path, name_key, Reg_Type_String, value);
        if (disconnected) break;
        std::string name = Scalar_To_Text(value);
        if (name.empty()) continue;
        ListItem* row = list.Add_Item("", name);
        row->small_icon = "MSI";
        for (std::size_t column = 1; column < list.Column_Count() && !disconnected; ++column) {
            const std::string key = list.Column(column).key;
            std::string text;
            if (key == "EstimatedSize") {
                read(path, key, Reg_Type_DWORD, value);
                if (std::holds_alternative<std::int64_t>(value))
                    text = Installed_Size_Text(Unsigned32(std::get<std::int64_t>(value)));
            } else {
                read(path, key, Reg_Type_String, value);
                text = Scalar_To_Text(value);
                if (key == "InstallDate") text = Installed_Date_Text(text);
            }
            row->Set_Sub_Item(column, std::move(text));
        }
        if (disconnected) break;
    }
    if (disconnected) Add_Failure_Row(list, "", false);
    list.Notify();
}

}  // namespace crv
