#pragma once
// Counts the store's connections while it lives: each one looks for the
// data file once. For tests that a path asks the store for nothing, or for
// no more as the data grows.
#include <string>

#include "store/store.h"

namespace crv::test {

class ConnectionCounter {
public:
    ConnectionCounter() : saved_(Store_Environment()) {
        StoreEnvironment counting = saved_;
        counting.is_ordinary_file = [this, inner = saved_.is_ordinary_file](const std::string& path) {
            ++count;
            return inner(path);
        };
        Set_Store_Environment(counting);
    }
    ~ConnectionCounter() { Set_Store_Environment(saved_); }
    ConnectionCounter(const ConnectionCounter&) = delete;
    ConnectionCounter& operator=(const ConnectionCounter&) = delete;
    int count = 0;

private:
    StoreEnvironment saved_;
};

}  // namespace crv::test
