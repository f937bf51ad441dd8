#include "store/failure_scope.h"

#include "core/error.h"
#include "core/pump_frame.h"
#include "store/session.h"

namespace crv {

namespace {
thread_local StoreFailureScope* innermost = nullptr;
}

StoreFailureScope::StoreFailureScope() : outer_(innermost), frame_(Pump_Depth()) { innermost = this; }

StoreFailureScope::~StoreFailureScope() { innermost = outer_; }

// The scopes of the current frame are the innermost ones: a frame opens
// inside the scopes of the command that waits.
struct StoreScopeChain {
    // Calls f on each scope of the current frame, innermost first, until f
    // returns true.
    template <class F>
    static bool Any(F f) {
        const int frame = Pump_Depth();
        for (StoreFailureScope* scope = innermost; scope && scope->frame_ == frame; scope = scope->outer_)
            if (f(*scope)) return true;
        return false;
    }
    static bool Failed(const StoreFailureScope& scope) { return scope.failed_; }
    static bool File_Refused(const StoreFailureScope& scope) { return scope.file_refused_; }
    static bool Mark(StoreFailureScope& scope, bool file_refused) {
        scope.failed_ = true;
        scope.file_refused_ = scope.file_refused_ || file_refused;
        return false;
    }
};

bool Store_Failure_Scope_Open() {
    return StoreScopeChain::Any([](const StoreFailureScope&) { return true; });
}

bool Store_Failure_Seen() { return StoreScopeChain::Any(StoreScopeChain::Failed); }

bool Store_File_Refusal_Seen() { return StoreScopeChain::Any(StoreScopeChain::File_Refused); }

void Mark_Store_Failure(bool file_refused) {
    StoreScopeChain::Any([file_refused](StoreFailureScope& scope) { return StoreScopeChain::Mark(scope, file_refused); });
}

void Report_Store_Failure(bool file_refused) {
    // A row's refusal said nothing of the file: the file's own failure after
    // it still gets its one box, as it ends the run.
    const bool shown_before = file_refused ? Store_File_Refusal_Seen() : Store_Failure_Seen();
    Mark_Store_Failure(file_refused);
    if (shown_before)
        Clear_Error();
    else
        Show_Error_Message(true);
}

}  // namespace crv
