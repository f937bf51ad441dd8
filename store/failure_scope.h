#pragma once
// A run that calls the store again and again (a scan over computers and
// features, an export, a report scan, a loop over selected devices) meets a
// locked or broken database at every turn. While a scope lives, the first
// store failure shows its box as usual, every later one is cleared without
// a box, and Failed() tells the run to stop (or to go on without repeating
// the box). Scopes nest: a failure marks every open scope of the thread.
namespace crv {

class StoreFailureScope {
public:
    StoreFailureScope();
    ~StoreFailureScope();
    StoreFailureScope(const StoreFailureScope&) = delete;
    StoreFailureScope& operator=(const StoreFailureScope&) = delete;

    // A store routine failed (a statement, a refused value, or no
    // connection to the data file) since the scope opened.
    bool Failed() const { return failed_; }

private:
    friend void Report_Store_Failure();
    friend void Mark_Store_Failure();
    friend bool Store_Failure_Scope_Open();
    friend bool Store_Failure_Seen();
    StoreFailureScope* outer_ = nullptr;
    bool failed_ = false;
};

}  // namespace crv
