#pragma once
// A run that calls the store again and again (a scan over computers and
// features, an export, a report scan, a loop over selected devices) meets a
// locked or broken database at every turn. While a scope lives, the first
// store failure shows its box as usual, every later one is cleared without
// a box, and Failed() tells the run to stop (or to go on without repeating
// the box). Scopes nest: a failure marks every open scope of the thread's
// current pump frame; a command that a pump runs meanwhile is outside them
// (core/pump_frame.h).
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
    // The failure was the file's, not a row's: it is locked or busy, cannot
    // be opened, or cannot be read or written at all. Every later row would
    // meet it alike, so a walk stops here; a row refused for its own reason
    // (a value, a constraint) leaves the rows after it to the file.
    bool File_Refused() const { return file_refused_; }

private:
    friend struct StoreScopeChain;
    StoreFailureScope* outer_ = nullptr;
    int frame_ = 0;
    bool failed_ = false;
    bool file_refused_ = false;
};

}  // namespace crv
