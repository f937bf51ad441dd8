#include "store/failure_scope.h"

#include "core/error.h"
#include "store/session.h"

namespace crv {

namespace {
thread_local StoreFailureScope* innermost = nullptr;
}

StoreFailureScope::StoreFailureScope() : outer_(innermost) { innermost = this; }

StoreFailureScope::~StoreFailureScope() { innermost = outer_; }

bool Store_Failure_Scope_Open() { return innermost != nullptr; }

bool Store_Failure_Seen() {
    for (const StoreFailureScope* scope = innermost; scope; scope = scope->outer_)
        if (scope->failed_) return true;
    return false;
}

void Mark_Store_Failure() {
    for (StoreFailureScope* scope = innermost; scope; scope = scope->outer_) scope->failed_ = true;
}

void Report_Store_Failure() {
    const bool shown_before = Store_Failure_Seen();
    Mark_Store_Failure();
    if (shown_before)
        Clear_Error();
    else
        Show_Error_Message(true);
}

}  // namespace crv
