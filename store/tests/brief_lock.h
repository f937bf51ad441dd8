#pragma once
// Another program's short write: the test's data file held locked (BEGIN
// EXCLUSIVE) from a thread of its own for a while, then let go, so that a
// store statement already waiting for it goes on. It talks to SQLite
// directly: the access library keeps one result per process and is the
// store's alone.
#include <chrono>
#include <string>
#include <thread>

namespace crv::test {

class TestDatabase;

class BriefLock {
public:
    // Returns once the lock is held; it lasts `hold` from then.
    BriefLock(const TestDatabase& db, std::chrono::milliseconds hold);
    ~BriefLock();  // waits for the release
    BriefLock(const BriefLock&) = delete;
    BriefLock& operator=(const BriefLock&) = delete;

private:
    std::thread holder_;
};

}  // namespace crv::test
