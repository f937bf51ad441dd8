#include "wmi/select_list_cache.h"

#include <unordered_map>

#include "core/error.h"
#include "store/store.h"
#include "wmi/connection.h"

namespace crv {
namespace {

struct SelectLists {
    std::uint64_t change_count = 0;
    std::string folders;
    std::unordered_map<std::int32_t, std::string> lists;
};

SelectLists& Kept() {
    static SelectLists kept;
    return kept;
}

}  // namespace

std::string Cached_Property_Select_List(std::int32_t featureId) {
    SelectLists& kept = Kept();
    // The folders the data file is looked for in, not the file itself: the
    // look-up would cost a file system call per click.
    const StoreEnvironment& env = Store_Environment();
    const std::string folders = (env.program_folder ? env.program_folder() : std::string()) + '\n' +
                                (env.system_directory ? env.system_directory() : std::string());
    if (kept.change_count != Store_Change_Count() || kept.folders != folders) {
        kept.lists.clear();
        kept.change_count = Store_Change_Count();
        kept.folders = folders;
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
