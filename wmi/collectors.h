#pragma once
// The collectors that fill a property list or the installed-products list of
// one computer. Both handle their own errors: a failure ends up as a row in
// the list, and the caller sees no error.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/names.h"
#include "wmi/format/wmi_property.h"

#include "ui/model/list_model.h"
#include "ui/model/tree_model.h"

namespace crv {

// Row texts shared with the other listings.
inline constexpr const char* No_Information_Text = "No Information Available";
inline constexpr const char* Not_Supported_Text = "Feature disabled or not supported by OS";

// The properties a listing puts right under its object's header row: Model,
// Manufacturer, Caption, Description and Name.
bool Goes_Under_Header(std::string_view name);
// The creation class names a listing leaves out.
bool Is_Creation_Class_Name(std::string_view name);

// The indented row captions of a listing's property names. The objects of
// one class repeat their names, mostly in the same order: each position keeps
// the caption it made last, and a name is turned into its caption once per
// listing rather than once per row.
class PropertyCaptions {
public:
    const std::string& At(std::size_t position, const std::string& name);

private:
    std::vector<std::pair<std::string, std::string>> made_;  // name, caption
};

// A feature's chosen property order (its catalogue's LIST_ORDER), made once
// per listing. Names compare ignoring case, as WMI's do.
class PropertyOrder {
public:
    PropertyOrder() = default;
    explicit PropertyOrder(const std::vector<std::string>& names);
    // The name's place; a name the order does not hold comes after all it holds.
    std::size_t Rank(std::string_view name) const;
    bool empty() const { return ranks_.empty(); }

private:
    std::unordered_map<std::string, std::size_t, Wmi_Name_Hash, Wmi_Name_Equal> ranks_;
};
// Every property of the feature in the catalogue, by LIST_ORDER; empty when
// none can be read.
PropertyOrder Feature_Property_Order(std::int32_t featureId);
// The order of a feature's select list (names joined by ", ", as the
// feature's query asks for them); empty for "*".
PropertyOrder Select_List_Order(std::string_view selectList);
// The order in which an object's properties make their rows, as pairs of
// (rank, index into properties): the names that go under the header first,
// in the object's order, then the others by the feature's order, those it
// does not hold last in the object's order. Reused from object to object.
using PropertySequence = std::vector<std::pair<std::size_t, std::size_t>>;
void Order_Properties(const WmiObject& properties, const PropertyOrder& order, PropertySequence& sequence);

// A failure row of any listing: small icon "NoInfo" and the error ("Error"
// key or caption). "Feature disabled or not supported by OS" is no failure:
// it is what the computer answered.
bool Is_Failure_Row(const ListItem& row);
// True when a listing failed: its last row that is not blank is a failure
// row, whether it failed before any object (a connection or query error) or
// was cut off part-way. Such a list is no whole scan of the computer and is
// never stored over one.
bool Is_Failed_Listing(const ListModel& list);

// True for the errors that mean "this computer has no such class, namespace
// or feature": WBEM_E_INVALID_CLASS, WBEM_E_INVALID_NAMESPACE, WBEM_E_NOT_SUPPORTED.
bool Is_Feature_Not_Supported_Error(std::int32_t number);

// Runs the WQL text in root\cimv2 of the computer (stored credentials of
// deviceId) and writes every object as property rows: a bold header row
// keyed feature key + U+000B + n, the property rows (Model, Manufacturer,
// Caption, Description and Name right under the header, the creation class
// names left out), a spacer row per object; "No Information Available"
// when nothing came; a "Feature disabled or not supported by OS" or "Error"
// row when it failed. The property rows of each object follow order
// (Order_Properties).
void Collect_WQL_To_ListView(std::int32_t deviceId, const std::string& computer, ListModel& list,
                             const TreeNode& featureNode, const std::string& wql,
                             const PropertyOrder& order = PropertyOrder());

// Collect_WQL_To_ListView of "Select * From " + className, for the features
// named by a class ("Lic_" keys). A class name that is no WQL identifier is
// never sent: the list gets the "Error" row that says so.
void Collect_Class_To_ListView(std::int32_t deviceId, const std::string& computer, ListModel& list,
                               const TreeNode& featureNode, const std::string& className,
                               const PropertyOrder& order = PropertyOrder());

// One row per product of the uninstall key of HKEY_LOCAL_MACHINE on the
// computer (through the registry provider in root\Default), the columns
// filled by the registry values their keys name. A value that cannot be read
// leaves its cell empty, each distinct failure shown once in the error box;
// a provider that disconnects ends the list with an "Error" row.
void Collect_Installed_Software(std::int32_t deviceId, const std::string& computer, ListModel& list);

// The uninstall key the collector walks.
inline constexpr const char* Uninstall_Key_Path = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// "EstimatedSize" (whole kilobytes) as the list shows it: "1024 KB", "1.50 MB".
std::string Installed_Size_Text(std::int64_t kilobytes);
// "InstallDate": digits as 0000-00-00 ("20230115" -> "2023-01-15"); a text
// with "/" or any other text as it stands.
std::string Installed_Date_Text(const std::string& text);

}  // namespace crv
