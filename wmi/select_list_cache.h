#pragma once
// The feature's select list kept in memory: a click on a feature would
// otherwise read the property catalogue from the store each time. A list is
// read again once the store has changed in this process since it was kept
// (KeptReads: a Choose Properties save, a scan that adds properties, any
// other write) or the data file is looked for in other folders.
#include <cstdint>
#include <string>

namespace crv {

// Get_Property_Select_List, from memory while the store is unchanged. A read
// that failed (an empty list, or any error left pending) is not kept.
std::string Cached_Property_Select_List(std::int32_t featureId);

}  // namespace crv
