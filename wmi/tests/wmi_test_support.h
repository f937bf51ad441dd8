#pragma once
// Shared by the WMI tests: a fresh inventory database per test and an error
// reporter that records instead of showing boxes.
#include <cstdint>
#include <string>
#include <vector>

#include "core/error.h"

namespace crv::test {

struct RecordingReporter : ErrorReporter {
    std::vector<std::string> shown;
    void Report_Error(const std::string& text) override { shown.push_back(text); }
};

// A database built from store/schema.sql in a folder of its own, installed
// as the store's program folder for the life of the object.
class TestStore {
public:
    TestStore();
    ~TestStore();
    TestStore(const TestStore&) = delete;
    TestStore& operator=(const TestStore&) = delete;

    bool ok() const { return ok_; }
    // A computer row with scrambled credentials; returns its DEV_ID.
    std::int32_t Add_Computer(const std::string& name, const std::string& user = "",
                              const std::string& password = "", const std::string& domain = "");
    void Add_Property(std::int32_t featureId, const std::string& name, int listOrder, bool active);

private:
    std::string folder_;
    bool ok_ = false;
};

// A file below the source root (CORVALIN_TEST_DATA).
std::string Source_Path(const std::string& relative);

}  // namespace crv::test
