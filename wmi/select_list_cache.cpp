#include "wmi/select_list_cache.h"

#include "store/kept_reads.h"
#include "wmi/connection.h"

namespace crv {

std::string Cached_Property_Select_List(std::int32_t featureId) {
    static KeptReads<std::string> kept;
    return kept.Get(featureId, Get_Property_Select_List, [](const std::string& list) { return !list.empty(); });
}

}  // namespace crv
