#pragma once
// The local WMI connection, the operating system version and the WMI logon test.
#include <windows.h>
#include <wbemcli.h>

#include <cstdint>
#include <string>

#include "diagtool/win_support.h"

namespace crv::tessarine {

class Prompts;

// root\cimv2 of the computer ("." for this one), impersonating; the failing
// HRESULT in hr when it cannot be reached.
Com_Ptr<IWbemServices> Connect_Cimv2(const std::string& computer, HRESULT& hr);

// The Version of the computer's Win32_OperatingSystem (the last instance);
// empty on failure, after a box with the error description titled with the
// error number in hexadecimal (prompts may be null: no box).
std::string Get_OS_Version(const std::string& computer, Prompts* prompts);

// 0 when the logon to root\cimv2 of computer and a first query succeed, else
// the error number (the HRESULT as a signed value) with error_text written.
std::int32_t Test_WMI_Connection(const std::string& domain, const std::string& computer, const std::string& user,
                                 const std::string& password, std::string& error_text);

}  // namespace crv::tessarine
