#pragma once
// Dated scans: SCAN_HEAD (one computer, one feature, one date) and its rows
// in SCAN_DETAILS, stored in list order.
#include <cstdint>

#include "store/store.h"

namespace crv {

class ListModel;

// Replaces the scan of that date, device and feature with the list's rows,
// in one transaction. Per item: key = property name U+000B section (a key
// without U+000B is the name with section 0), text = caption (stored
// trimmed), sub-item 1 = value, small icon = image key ("Info" rows join the
// feature's property catalogue when new and their name is a WQL identifier;
// the catalogue's names go into queries), bold. Names match the catalogue
// ignoring case, as WMI names do. False after the error box; then the
// earlier scan stays as it was.
bool Save_Scan(const StoreDate& scanDate, std::int32_t deviceId, std::int32_t featureId, const ListModel& list);
// SCAN_DATE1 as "dd-mm-yyyy", distinct, newest first. True when rows came.
bool Get_Scan_Dates(std::int32_t deviceId, SqlResult& result);
// The latest stored scan date of the device; today when it has none or the
// read fails.
StoreDate Get_Last_Scan_Date(std::int32_t deviceId);
// PROP_NAME, VALUE, IMAGE, PROP_BOLD of the scan in saved order; catalogue
// rows only when their DISPLAY is 1. True when rows came.
bool Get_Scan_Details(const StoreDate& scanDate, std::int32_t deviceId, std::int32_t featureId,
                      SqlResult& result);
// Deletes the scans of every feature of the device on that date.
bool Delete_Scan(const StoreDate& scanDate, std::int32_t deviceId);
// DEV_ID and the values of "Computer Manufacturer", "Computer Model",
// "Identifying Number", "Computer Name", "Computer User Name",
// "Processor Name", "Processor Manufacturer", "Processor Description" from
// the newest System Summary scan (feature 1). True when the query ran.
bool Get_Scan_Summary(std::int32_t deviceId, SqlResult& result);

}  // namespace crv
