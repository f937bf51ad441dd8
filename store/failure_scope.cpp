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

void Report_Store_Failure() {
    bool shown_before = false;
    for (StoreFailureScope* scope = innermost; scope; scope = scope->outer_) {
        shown_before |= scope->failed_;
        scope->failed_ = true;
    }
    if (shown_before)
        Clear_Error();
    else
        Show_Error_Message(true);
}

}  // namespace crv
