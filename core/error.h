#pragma once
// The one error model of the program: a routine that fails returns a failure
// result and leaves the reason in the pending-error record of its thread;
// Show_Error_Message shows that record through the installed reporter.
#include <cstdint>
#include <string>
#include <string_view>

namespace crv {

struct PendingError {
    std::int32_t number = 0;
    std::string description;
    bool empty() const { return number == 0 && description.empty(); }
};

// The calling thread's pending error.
PendingError& Pending_Error();
// Records an error as pending, replacing any earlier one.
void Set_Error(std::int32_t number, std::string description);
void Clear_Error();

// "number: description", the number in signed decimal.
std::string Error_Message_Text(const PendingError& error);

// Where error boxes go. The Windows program installs a message-box reporter;
// tests install one that records instead of blocking on a modal box.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void Report_Error(const std::string& text) = 0;
};
// Installs a reporter (nullptr restores the default, which writes to stderr)
// and returns the previous one.
ErrorReporter* Set_Error_Reporter(ErrorReporter* reporter);

// Shows the pending error as a critical box titled with the product name;
// with clear, resets the record afterwards.
void Show_Error_Message(bool clear);

inline constexpr std::string_view Product_Name = "Corvalin";

}  // namespace crv
