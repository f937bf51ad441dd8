#pragma once
// A fresh inventory database for one test, built from store/schema.sql and
// store/seed/*.sql in name order through the access library, installed as
// the store's data file (program folder = a temporary folder), with a
// recording error reporter and a fixed local computer name.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/error.h"
#include "store/store.h"

namespace crv::test {

class RecordingReporter : public ErrorReporter {
public:
    void Report_Error(const std::string& text) override {
        boxes.push_back(text);
        if (on_report) on_report();
    }
    std::vector<std::string> boxes;
    std::function<void()> on_report;  // runs as each box is shown
};

// The schema and seed files in the order the build runs them.
std::vector<std::filesystem::path> Database_Source_Files();

class TestDatabase {
public:
    // With seeds false only the schema and 00_base.sql run.
    explicit TestDatabase(bool all_seeds = true);
    ~TestDatabase();

    const std::filesystem::path& Folder() const { return folder_; }
    std::string Path() const;

    // Runs one statement on its own connection straight through the
    // library (no store routine, no box); fails the test on an error.
    SqlResult Query(const std::string& sql);
    void Exec(const std::string& sql) { Query(sql); }
    std::string Scalar(const std::string& sql);  // (1, 0), "" without a row

    RecordingReporter reporter;

private:
    std::filesystem::path folder_;
    ErrorReporter* previous_ = nullptr;
};

// Holds the test's data file locked from a second connection (BEGIN
// EXCLUSIVE), as another program would: every store statement waits out the
// library's busy timeout and fails with "database is locked" until Release.
// Held for writes only (BEGIN IMMEDIATE, another program's write in
// progress), reads still succeed and only a statement that writes fails.
class DatabaseLock {
public:
    enum class Held { File, Writes };
    explicit DatabaseLock(const TestDatabase& db, Held held = Held::File);
    ~DatabaseLock() { Release(); }
    DatabaseLock(const DatabaseLock&) = delete;
    DatabaseLock& operator=(const DatabaseLock&) = delete;
    void Release();

private:
    std::int32_t handle_ = 0;
};

// Builds a database file from the source files at path (which must not exist).
void Build_Database(const std::filesystem::path& path, bool all_seeds);

}  // namespace crv::test
