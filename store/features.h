#pragma once
// The feature catalogue (FEATURE_TBL), the property catalogue (PROPS_TBL)
// and the filling of a feature tree.
#include <cstdint>
#include <string>

#include "store/store.h"

namespace crv {

class ListModel;
class TreeModel;

// Writes the feature of that key: an existing key is updated in place and
// keeps its FEATURE_ID, ACTIVE and OFFLINE; a parent key that names no
// feature gives PARENT 1.
bool Save_Feature(const std::string& key, const std::string& name, const std::string& description,
                  const std::string& nodeType, const std::string& image, const std::string& parentKey);
// Sets ACTIVE of every property of the feature.
bool Set_Feature_Props_Active(std::int32_t featureId, bool active);
// One transaction: per item (key = property name, text = caption, checked =
// chosen, position from 1 = list order) the property row is replaced,
// keeping its PROP_ID. Nothing changes when a statement fails.
bool Save_Feature_Props(const ListModel& list, std::int32_t featureId);
std::int32_t Get_Feature_ID(const std::string& key);  // 0 when unknown
// 0 FEATURE_ID, 1 FEATURE_KEY, 2 FEATURE_NAME, 3 FEATURE_DESC,
// 4 FEATURE_GROUP, 5 IMAGE, 6 NODE_TYPE, 7 PARENT_KEY, 8 ACTIVE, ordered by
// NODE_TYPE. Offline (online False): only OFFLINE=1 rows. True when rows came.
bool Get_Features(bool online, SqlResult& result, bool activeOnly);
// 0 PROP_ID, 1 PROP_NAME, 2 PROP_DISP_NAME, 3 PROP_DESC, 4 ACTIVE,
// 5 LIST_ORDER by LIST_ORDER. Names that differ only in case are one
// property: only the oldest row (lowest PROP_ID) is read, and with
// activeOnly only when it is active. True when rows came.
bool Get_Feature_Props(std::int32_t featureId, SqlResult& result, bool activeOnly);
// Clears the tree and loads the active features (key FEATURE_KEY, text
// FEATURE_NAME, image IMAGE, tag FEATURE_ID, checked from ACTIVE), children
// under their parents; with addReports the tabular report nodes follow.
// False when no feature was read: the tree is emptied when the file
// answered with none, and keeps its nodes when it could not be read;
// and (pending error set, no box) when a row's parent was not loaded or its
// key was already in the tree: the filling ends at that row.
bool Load_Features_Tree(TreeModel& tree, bool online, bool addReports);

}  // namespace crv
