#pragma once
// Devices and groups (DEV_TBL, DEV_TYPE), asset records (DEV_SPECS) and the
// move log (TRANSFER_TRACK). Credentials are stored scrambled and handed out
// in clear text. Every text reaching SQL is quoted with its quotes doubled.
#include <cstdint>
#include <string>
#include <vector>

#include "store/store.h"

namespace crv {

// Why credentials holding a control character (tab, line break, ...) are
// refused: the stored form cannot keep them.
inline constexpr std::int32_t Credentials_Control_Character_Error = 5;
inline constexpr const char* Credentials_Control_Character_Text =
    "User names and passwords cannot contain control characters such as tabs or line breaks.";

// Columns 0 DEV_NAME, 1 SCAN_USER, 2 SCAN_PWD (clear), 3 DEV_ID,
// 4 DEV_TYPE_ID, 5 PARENT, 6 DEV_TYPE_PIC. typeFilter > 0: that type by name;
// 0: all, by DEV_TYPE_ID, PARENT, DEV_NAME.
bool Get_Device_List(std::int32_t& rowCount, SqlResult& devices, std::int32_t typeFilter);
// As Get_Device_List plus 7 DEV_DOMAIN; no row still gives True.
bool Get_Device_Info(std::int32_t deviceId, SqlResult& device);
// Active devices with a scan on that date (0 DEV_NAME, 1 DEV_ID); returns
// their number, 0 on failure.
std::int32_t Get_Scanned_Devices(const StoreDate& scanDate, SqlResult& devices);
// Clear user name and password and the stored domain; without a row the
// outputs keep their values and the result is True.
bool Get_Device_Credentials(std::int32_t deviceId, std::string& userName, std::string& password,
                            std::string& domain);
// Inserts a device and returns its new DEV_ID (0 on failure). A computer
// (typeId 2) with an empty comment gets the names of its server type bits.
// A user name or password holding a control character is refused (error
// box with Credentials_Control_Character_Text, result 0).
std::int32_t Add_Device(const std::string& name, const std::string& userName, const std::string& password,
                        std::int32_t platformId, std::int32_t osType, std::int32_t majorVersion,
                        std::int32_t minorVersion, const std::string& comment, std::int32_t parentId,
                        std::int32_t typeId, const std::string& domain, const std::string& addedBy);
// Why a group with members is not deleted, and why a group is not moved
// into itself or one of its own sub-groups.
inline constexpr std::int32_t Group_Has_Members_Error = 5;
inline constexpr const char* Group_Has_Members_Text =
    "You cannot delete a group containing sub-items. Please remove all the sub-items and try again!";
inline constexpr std::int32_t Move_Into_Itself_Error = 5;
inline constexpr const char* Move_Into_Itself_Text = "A group cannot be moved into itself or into one of its own groups.";
// Deletes the device row; refused (error box with Group_Has_Members_Text)
// while other devices name it as their parent. With withRelatedRecords (the confirmation said the
// device's full information goes) its scans, asset records, report links,
// grid row and move log go too, in one transaction.
bool Delete_Device(std::int32_t deviceId, bool withRelatedRecords = false);
bool Update_Device_Network_Info(std::int32_t deviceId, std::int32_t platformId, std::int32_t osType,
                                std::int32_t majorVersion, std::int32_t minorVersion, const std::string& comment,
                                const std::string& domain);
// Also renames the computer's tabular report grid row.
bool Rename_Device(std::int32_t deviceId, const std::string& newName);
// Logs the move (user cut to 50, remarks to 255 characters), then moves.
// Refused (error box with Move_Into_Itself_Text) when the target is the
// device or lies below it by the stored parents.
bool Move_Device(std::int32_t deviceId, std::int32_t targetGroupId, std::int32_t sourceGroupId,
                 const StoreDateTime& movedAt, const std::string& windowsUser, const std::string& remarks);
// Each cut to 255 characters, then scrambled. Refused like Add_Device when
// either holds a control character.
bool Set_Device_Credentials(std::int32_t deviceId, const std::string& userName, const std::string& password);
// onlyWhenEmpty: writes only where DEV_MAC = ''.
bool Set_Device_MAC(std::int32_t deviceId, const std::string& macList, bool onlyWhenEmpty);
// DEV_MAC without blanks, split at ","; an empty DEV_MAC gives an empty list.
// No row: False without a box, list untouched.
bool Get_Device_MAC(std::int32_t deviceId, std::vector<std::string>& macAddresses);
// Direct members of every type (0 on failure); rowCount gets the data rows.
std::int32_t Count_Group_Members(std::int32_t groupId, std::int32_t& rowCount);
// One column DEV_NAME1: the highest whole number that follows the prefix
// (same letter case) in a name of that type, as decimal digits without
// leading zeros; no row when no name is the prefix followed by digits alone.
bool Get_Last_Name_Number(std::int32_t typeId, const std::string& prefix, SqlResult& result,
                          std::int32_t& rowCount);
// The default name of a new device: "New" & base & one above the highest
// number already used after that prefix for the type ("NewGroup1" first).
void Get_Next_New_Name(std::int32_t typeId, const std::string& base, std::string& name);
// Decimal digits plus one, at any length ("" and "0" give "1", "99" "100");
// any other character makes the text count as 0.
std::string Next_Decimal(const std::string& digits);
// 0 DEV_TYPE_ID, 1 DEV_TYPE_NAME of the active types.
bool Get_Device_Types(SqlResult& types);
std::int32_t Get_Device_Type(std::int32_t deviceId);  // 0 when unknown
// Get_Device_Type from memory while the store is unchanged (Store_Read_Point):
// a click on a feature asks it each time. A read that failed (0, or any
// error left pending) is not kept.
std::int32_t Kept_Device_Type(std::int32_t deviceId);
// Both names are listed computers with equal DEV_DOMAIN.
bool Is_Same_Domain(const std::string& firstName, const std::string& secondName);
std::int32_t Get_Device_ID(const std::string& name, std::int32_t typeId);  // 0 when unknown
// 20 columns: DEV_ID, DEV_SPEC_ID, DEV_TYPE_ID, DEV_TYPE_PIC, DEV_NAME,
// MANUFACTURER, MODEL, SERIAL_NO, USER_ID, USER_NAME, DEPARTMENT, LOCATION,
// TAG, ASSET_TAG, SPECS1..SPECS5, REMARKS; newest record per member.
bool Get_Group_Inventory(std::int32_t groupId, std::int32_t& rowCount, SqlResult& devices,
                         std::int32_t typeFilter);
// One row: DEV_ID, DEV_SPEC_ID, DeviceName, Alias, Domain, MACAddress,
// IPAddress, Manufacturer, Model, SerialNumber, UserID, UserName,
// Department, Location, Tag, AssetTag, Specification1..5, Remarks.
bool Get_Device_Details(std::int32_t deviceId, SqlResult& details);
// Updates the device row, then adds an asset record (note the argument
// order: department before userId and userName).
bool Save_Device_Details(std::int32_t deviceId, const std::string& alias, const std::string& domain,
                         const std::string& macAddress, const std::string& ipAddress,
                         const std::string& manufacturer, const std::string& model,
                         const std::string& serialNumber, const std::string& assetTag, const std::string& tag,
                         const std::string& department, const std::string& userId, const std::string& userName,
                         const std::string& location, const std::string& specs1, const std::string& specs2,
                         const std::string& specs3, const std::string& specs4, const std::string& specs5,
                         const std::string& remarks, const std::string& addedBy);
// Appends the names of the set server type bits, joined by ", ".
void Server_Type_Text(std::int32_t typeBits, std::string& text);

}  // namespace crv
