#include "wmi/select_list_cache.h"

#include <unordered_map>

#include "core/error.h"
#include "store/store.h"
#include "wmi/connection.h"

namespace crv {
namespace {

struct SelectLists {
    std::uint64_t change_count = 0;
    std::string database;
    std::unordered_map<std::int32_t, std::string> lists;
};

SelectLists& Kept() {
    static SelectLists kept;
    return kept;
}

}  // namespace

std::string Cached_Property_Select_List(std::int32_t featureId) {
    SelectLists& kept = Kept();
    const std::string database = Get_Database_Path();
    if (kept.change_count != Store_Change_Count() || kept.database != database) {
        kept.lists.clear();
        kept.change_count = Store_Change_Count();
        kept.database = database;
    }
    if (auto found = kept.lists.find(featureId); found != kept.lists.end()) return found->second;
    const bool error_before = !Pending_Error().empty();
    std::string list = Get_Property_Select_List(featureId);
    // The read runs only SELECTs; a count that moved meanwhile means the
    // list may already be stale.
    if (!list.empty() && !error_before && Pending_Error().empty() && kept.change_count == Store_Change_Count())
        kept.lists.emplace(featureId, list);
    return list;
}

}  // namespace crv
