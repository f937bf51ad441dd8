#pragma once
// The registry of a computer read through the WMI registry provider
// StdRegProv: the provider's methods as port calls, and the two wrappers
// the installed-software collector uses.
#include <cstdint>
#include <string>
#include <vector>

#include "wmi/wmi_port.h"

namespace crv {

inline constexpr std::int32_t Hkey_Local_Machine = static_cast<std::int32_t>(0x80000002u);

// Registry value types Get_WMI_Reg_Value knows.
inline constexpr std::int32_t Reg_Type_String = 1;
inline constexpr std::int32_t Reg_Type_Expand_String = 2;
inline constexpr std::int32_t Reg_Type_DWORD = 4;

// Each fetches the provider object ("StdRegProv") and calls one method. The
// result is false when the call failed (status says why); returnValue is the
// method's own answer (0 done, 2 key missing, ...). Outputs are filled only
// when returnValue is 0; EnumKey answers an empty key with 259 on some
// systems and with a null array on others, and both give no names.
bool Reg_Enum_Key(WmiServices& services, std::int32_t hive, const std::string& keyPath,
                  std::int32_t& returnValue, std::vector<std::string>& names, WmiStatus& status);
// GetStringValue (expanded: GetExpandedStringValue); a missing value stays null.
bool Reg_Get_String_Value(WmiServices& services, std::int32_t hive, const std::string& keyPath,
                          const std::string& valueName, bool expanded, std::int32_t& returnValue,
                          WmiScalar& value, WmiStatus& status);
// GetDWORDValue: the number as the provider gives it (a value of 2^31 or
// more arrives negative); null when missing.
bool Reg_Get_DWORD_Value(WmiServices& services, std::int32_t hive, const std::string& keyPath,
                         const std::string& valueName, std::int32_t& returnValue, WmiScalar& value,
                         WmiStatus& status);
bool Reg_Get_Multi_String_Value(WmiServices& services, std::int32_t hive, const std::string& keyPath,
                                const std::string& valueName, std::int32_t& returnValue,
                                std::vector<std::string>& values, WmiStatus& status);

// EnumKey's answer for a key without sub-keys on some systems.
inline constexpr std::int32_t Reg_Status_No_More_Items = 259;

// Fills names with the sub-keys of the key (left as it was when the provider
// answers with anything but 0). True when the key was listed (status 0, or
// 259 for no sub-keys). An error is shown in the error box and gives false,
// except that a provider or namespace the computer does not have
// (WBEM_E_INVALID_CLASS, WBEM_E_INVALID_NAMESPACE, WBEM_E_NOT_SUPPORTED) and
// any other status of the provider (2 key missing, 5 access denied, ...) are
// left pending (the status as number, Registry_Status_Text) for the caller
// to write into its list instead.
std::string Registry_Status_Text(std::int32_t returnValue, const std::string& keyPath);
bool Enum_WMI_Reg_Keys(WmiServices& services, std::int32_t hive, const std::string& keyPath,
                       std::vector<std::string>& names);

// Type 1 string, 2 expandable string, 4 number; any other type reads
// nothing and gives true. True when the provider answered 0. On an error
// the value becomes the empty text and the result false, and the error box
// shows it (a disconnected provider, RPC_E_DISCONNECTED, silently).
bool Get_WMI_Reg_Value(WmiServices& services, std::int32_t hive, const std::string& keyPath,
                       const std::string& valueName, std::int32_t& valueType, WmiScalar& value);
// The same read without a box, for a caller that reports failures itself:
// true when the provider answered (returnValue is its answer, 0 for a read
// value; any other type answers 0 and reads nothing); false when the call
// failed, with status saying why and the value null.
bool Read_WMI_Reg_Value(WmiServices& services, std::int32_t hive, const std::string& keyPath,
                        const std::string& valueName, std::int32_t valueType, std::int32_t& returnValue,
                        WmiScalar& value, WmiStatus& status);

}  // namespace crv
