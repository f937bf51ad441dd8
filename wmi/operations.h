#pragma once
// The remote operations on one computer: service start mode and control,
// ending a process, shutdown and restart, and the texts of their return
// codes. Each opens its own connection to root\cimv2 with the computer's
// stored credentials.
//
// Result: the method's return code; 0 when the computer is unknown or no
// object matched (no method called); std::nullopt when the connection, the
// query or the call failed, with the error pending for the caller to show,
// or when the store could not read the computer's row (its box is shown
// and nothing is pending: a caller's failure scope tells it apart).
#include <cstdint>
#include <optional>
#include <string>

namespace crv {

// Control_Service operation codes.
inline constexpr std::int32_t Service_Start = 0;
inline constexpr std::int32_t Service_Stop = 1;
inline constexpr std::int32_t Service_Pause = 3;
inline constexpr std::int32_t Service_Resume = 4;

// Win32Shutdown flags the main window passes.
inline constexpr std::int32_t Shutdown_Forced = 5;
inline constexpr std::int32_t Reboot_Forced = 6;

// ChangeStartMode with the mode text ("Automatic", "Manual", "Disabled").
std::optional<std::int32_t> Change_Service_StartMode(std::int32_t deviceId, const std::string& serviceName,
                                                     const std::string& startMode);
// StartService (0), StopService (1), PauseService (3), ResumeService (4);
// any other code calls nothing and gives 0.
std::optional<std::int32_t> Control_Service(std::int32_t deviceId, const std::string& serviceName,
                                            std::int32_t operation);
std::optional<std::int32_t> Terminate_Process(std::int32_t deviceId, std::int32_t processId);
// The Name of the process that holds the id on the computer now, so a
// caller can tell that an id it listed earlier was not reused: "" when no
// process holds it (or the computer is unknown); std::nullopt when the
// connection or the query failed, with the error pending, or when the store
// could not read the computer's row (its box shown).
std::optional<std::string> Get_Process_Name(std::int32_t deviceId, std::int32_t processId);
// Win32Shutdown on the primary operating system.
std::optional<std::int32_t> Shutdown_Computer(std::int32_t deviceId, std::int32_t flags);

// The texts of the Win32_Service and Win32_Process.Terminate return codes.
std::string Get_Service_Return_Text(std::int32_t code);
std::string Get_Process_Return_Text(std::int32_t code);

// The query that selects a service by name; the name is escaped for WQL so
// that it cannot widen the selection.
std::string Service_Query(const std::string& serviceName);

}  // namespace crv
