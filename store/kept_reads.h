#pragma once
// Reads of the store kept in memory by key, for the few that a click on a
// feature would otherwise open the store for each time. Every kept read is
// dropped once the store has changed in this process since it was read
// (Store_Read_Point: a Choose Properties save, a scan, any other write) or
// the data file is looked for in other folders. A read that failed, or that
// ran while the store changed, is not kept.
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "core/error.h"
#include "store/store.h"

namespace crv {

template <class Value>
class KeptReads {
public:
    // The kept value of key, else read(key), kept when good(value) holds and
    // no error was pending before or after it.
    template <class Read, class Good>
    Value Get(std::int32_t key, Read read, Good good) {
        if (StoreReadPoint now = Store_Read_Point(); read_at_ != now) {
            values_.clear();
            read_at_ = std::move(now);
        }
        if (auto found = values_.find(key); found != values_.end()) return found->second;
        const bool error_before = !Pending_Error().empty();
        // A failure's box clears the pending error: the count tells it.
        const std::uint64_t failures = Store_Failure_Count();
        Value value = read(key);
        if (good(value) && !error_before && Pending_Error().empty() && failures == Store_Failure_Count() &&
            read_at_.changes == Store_Change_Count())
            values_.emplace(key, value);
        return value;
    }

private:
    StoreReadPoint read_at_;
    std::unordered_map<std::int32_t, Value> values_;
};

}  // namespace crv
