#pragma once
// The one error model of the program: a routine that fails returns a failure
// result and leaves the reason in the pending-error record of its thread;
// Show_Error_Message shows that record through the installed reporter.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>

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
// with clear, resets the record afterwards. The box is a wait of its own
// (a PumpFrame): what its modal loop runs is no part of the failing command.
void Show_Error_Message(bool clear);

// A failure that every item of a loop meets alike (a registry provider
// without a method, for each product and each computer) is one failure to
// the user. While a scope lives, Show_Distinct_Error_Message shows each
// distinct error (number and description) once; the outermost scope open in
// the thread's current pump frame keeps what was shown, so a run opened
// around many listings shows such an error once for the whole run, while a
// command its pump runs shows its own.
class DistinctErrorScope {
public:
    DistinctErrorScope();
    ~DistinctErrorScope();
    DistinctErrorScope(const DistinctErrorScope&) = delete;
    DistinctErrorScope& operator=(const DistinctErrorScope&) = delete;

private:
    friend void Show_Distinct_Error_Message();
    DistinctErrorScope* outer_;
    int frame_;
    std::set<std::pair<std::int32_t, std::string>> shown_;
};
// Shows the pending error unless the outermost scope of the current frame
// has shown the same one already (without a scope it is shown); clears it either way.
void Show_Distinct_Error_Message();

inline constexpr std::string_view Product_Name = "Corvalin";

}  // namespace crv
