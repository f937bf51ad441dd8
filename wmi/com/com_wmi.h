#pragma once
// The WMI port over COM (IWbemLocator, IWbemServices) and the conversion of
// WMI's VARIANT values into the portable WmiProperty. Windows only.
#include <windows.h>
#include <wbemidl.h>

#include <string>

#include "wmi/wmi_port.h"

namespace crv {

// The COM port; COM must be initialised on the calling thread.
WmiPort& Com_Wmi_Port();
// Sets the process's default COM security (impersonation, so that every
// WMI proxy may act for the caller) unless that is already done, and
// installs the COM port as the current one.
void Install_Com_Wmi_Port();

// A value as WMI hands it over: integers up to 32 bits as numbers (an
// unsigned 32-bit value with its top bit set in its signed form), 64-bit
// integers as decimal text (WMI sends them as text; some providers send
// VT_I8/VT_UI8 and those become text too), booleans, reals, texts, embedded
// objects by their class name.
WmiScalar Variant_To_Scalar(const VARIANT& value);
// One property: the CIM type without its array flag, the array flag from
// the type or the VARIANT, every element of an array, the origin as given.
WmiProperty Variant_To_Wmi_Property(std::string name, const VARIANT& value, CIMTYPE type, std::string origin);
// The non-system properties of an object in the provider's order, with
// their origins (empty where the provider cannot tell).
WmiObject Read_Wmi_Properties(IWbemClassObject* object);
// A portable value as the VARIANT a method's in-parameter gets; the caller
// clears it.
void Scalar_To_Variant(const WmiScalar& value, VARIANT& out);

// The status of a failed HRESULT: the signed number and the system's or
// WMI's text for it, or the WMI constant's name when there is no text.
WmiStatus Com_Status(HRESULT hr);

// UTF-8 <-> UTF-16 at the COM boundary.
std::wstring Wide(const std::string& text);
std::string Narrow(const wchar_t* text);

}  // namespace crv
