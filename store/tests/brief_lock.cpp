#include "store/tests/brief_lock.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <future>

#include "store/tests/test_database.h"

namespace crv::test {

BriefLock::BriefLock(const TestDatabase& db, std::chrono::milliseconds hold) {
    std::promise<bool> held;
    std::future<bool> taken = held.get_future();
    holder_ = std::thread([path = db.Path(), hold, &held] {
        sqlite3* connection = nullptr;
        const bool locked = sqlite3_open_v2(path.c_str(), &connection, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
                            sqlite3_exec(connection, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
        held.set_value(locked);
        if (locked) {
            std::this_thread::sleep_for(hold);
            sqlite3_exec(connection, "COMMIT", nullptr, nullptr, nullptr);
        }
        sqlite3_close(connection);
    });
    if (!taken.get()) ADD_FAILURE() << "cannot lock " << db.Path();
}

BriefLock::~BriefLock() {
    if (holder_.joinable()) holder_.join();
}

}  // namespace crv::test
