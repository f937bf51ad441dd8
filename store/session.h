#pragma once
// The shape every store routine shares: find and open the data file, run
// statements until the first one fails (which shows the one error box),
// close. Internal to the store.
#include <cstdint>
#include <string>
#include <vector>

#include "store/store.h"

namespace crv {

// The error tail of every failed store routine: shows the pending error and
// clears it, unless an open failure scope has shown one already (then it is
// only cleared); a refusal of the file itself is shown unless one was, even
// after a row's. Marks every open scope as failed. "Open" is always within
// the thread's current pump frame.
void Report_Store_Failure(bool file_refused);
// Marks every open scope as failed without a box: what was to be said has
// been said another way.
void Mark_Store_Failure(bool file_refused);
// True while a failure scope is open on this thread.
bool Store_Failure_Scope_Open();
// True when an open failure scope of this thread has seen a failure.
bool Store_Failure_Seen();
// True when an open failure scope has seen the file itself refuse.
bool Store_File_Refusal_Seen();
// True while a StoreHeldOff lives on this thread.
bool Store_Held_Off();

class StoreSession {
public:
    StoreSession();
    ~StoreSession();
    StoreSession(const StoreSession&) = delete;
    StoreSession& operator=(const StoreSession&) = delete;

    // A connection is open and no statement has failed yet.
    bool Ok() const { return handle_ != 0 && !failed_; }
    // Ok(), and inside a failure scope a session without a connection
    // counts as failed (once): a run must not take missing data for none.
    bool Usable();
    bool Connected() const { return handle_ != 0; }

    // Runs one statement unless an earlier one failed. The first failure
    // shows the error box; later calls do nothing and return False.
    bool Run(const std::string& sql, SqlResult& result, std::int32_t& rowCount);
    bool Run(const std::string& sql);
    // Runs without a box on failure (the failure still ends the session).
    bool Run_Quiet(const std::string& sql);

    // Runs each statement of `sqls` once per row of `cells` (params_per_row
    // cells a row, named ?1.. in the statements; a null cell is NULL; a 'i'
    // in types binds that cell as a whole number). Each statement is parsed
    // once for all rows. Fails like Run.
    bool Run_Rows(const std::vector<std::string>& sqls, const char* types, std::size_t params_per_row,
                  const std::vector<const char*>& cells);

    // "BEGIN DEFERRED TRANSACTION MY_TRANS" / "COMMIT TRANSACTION MY_TRANS".
    // A unit whose COMMIT fails is reported like any failed statement; the
    // close then discards it.
    bool Begin();
    bool Commit();

    // Records a failure that is not a statement's (a value that cannot be
    // used): sets the pending error and shows the box once.
    void Fail(std::int32_t number, const std::string& description);

private:
    std::int32_t handle_ = 0;
    bool failed_ = false;
};

}  // namespace crv
