#include "core/error.h"

#include <cstdio>

#include "core/pump_frame.h"

namespace crv {
namespace {

class StderrReporter final : public ErrorReporter {
public:
    void Report_Error(const std::string& text) override {
        std::fprintf(stderr, "%s: %s\n", std::string(Product_Name).c_str(), text.c_str());
    }
};

StderrReporter default_reporter;
ErrorReporter* current_reporter = &default_reporter;

thread_local DistinctErrorScope* innermost_distinct_scope = nullptr;

}  // namespace

PendingError& Pending_Error() {
    thread_local PendingError pending;
    return pending;
}

void Set_Error(std::int32_t number, std::string description) {
    auto& e = Pending_Error();
    e.number = number;
    e.description = std::move(description);
}

void Clear_Error() { Pending_Error() = PendingError{}; }

std::string Error_Message_Text(const PendingError& error) {
    return std::to_string(error.number) + ": " + error.description;
}

ErrorReporter* Set_Error_Reporter(ErrorReporter* reporter) {
    ErrorReporter* previous = current_reporter;
    current_reporter = reporter ? reporter : &default_reporter;
    return previous == &default_reporter ? nullptr : previous;
}

void Show_Error_Message(bool clear) {
    {
        PumpFrame box;
        current_reporter->Report_Error(Error_Message_Text(Pending_Error()));
    }
    if (clear) Clear_Error();
}

DistinctErrorScope::DistinctErrorScope() : outer_(innermost_distinct_scope), frame_(Pump_Depth()) {
    innermost_distinct_scope = this;
}

DistinctErrorScope::~DistinctErrorScope() { innermost_distinct_scope = outer_; }

void Show_Distinct_Error_Message() {
    // Scopes of a command that waits in a pump lie beyond the current frame's.
    const int frame = Pump_Depth();
    DistinctErrorScope* outermost = innermost_distinct_scope;
    if (outermost && outermost->frame_ != frame) outermost = nullptr;
    while (outermost && outermost->outer_ && outermost->outer_->frame_ == frame) outermost = outermost->outer_;
    const PendingError& error = Pending_Error();
    if (!outermost || outermost->shown_.emplace(error.number, error.description).second)
        Show_Error_Message(true);
    else
        Clear_Error();
}

}  // namespace crv
