#include "store/features.h"

#include "core/error.h"
#include "store/session.h"
#include "store/sql_text.h"
#include "store/tabular.h"
#include "ui/model/list_model.h"
#include "ui/model/tree_model.h"

namespace crv {

namespace {

std::string Num(std::int64_t value) { return std::to_string(value); }

std::string Trim_Blanks(const std::string& text) {
    std::size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    std::size_t e = text.find_last_not_of(' ');
    return text.substr(b, e - b + 1);
}

}  // namespace

bool Save_Feature(const std::string& key, const std::string& name, const std::string& description,
                  const std::string& nodeType, const std::string& image, const std::string& parentKey) {
    // An existing key keeps its row (FEATURE_ID, ACTIVE, OFFLINE): a
    // replacement would give it a new id and reset its flags.
    StoreSession session;
    return session.Run(
        "INSERT INTO FEATURE_TBL (FEATURE_KEY,FEATURE_NAME, FEATURE_DESC, NODE_TYPE, IMAGE, PARENT) VALUES (" +
        Sql_Quote(key) + "," + Sql_Quote(name) + "," + Sql_Quote(description) + "," + Sql_Quote(nodeType) + "," +
        Sql_Quote(image) + ",IFNULL((SELECT FEATURE_ID FROM FEATURE_TBL WHERE FEATURE_KEY=" + Sql_Quote(parentKey) +
        "),1)) ON CONFLICT(FEATURE_KEY) DO UPDATE SET FEATURE_NAME=excluded.FEATURE_NAME, "
        "FEATURE_DESC=excluded.FEATURE_DESC, NODE_TYPE=excluded.NODE_TYPE, IMAGE=excluded.IMAGE, "
        "PARENT=excluded.PARENT");
}

bool Set_Feature_Props_Active(std::int32_t featureId, bool active) {
    StoreSession session;
    return session.Run(std::string("UPDATE PROPS_TBL SET ACTIVE=") + (active ? "1" : "0") +
                       " WHERE FEATURE_ID=" + Num(featureId));
}

bool Save_Feature_Props(const ListModel& list, std::int32_t featureId) {
    StoreSession session;
    if (!session.Begin()) return false;
    std::string f = Num(featureId);
    for (std::size_t i = 0; i < list.Item_Count(); ++i) {
        const ListItem& item = list.Item(i);
        // Trimming blanks and doubling quotes commute.
        std::string name = Sql_Quote(Trim_Blanks(item.key));
        if (!session.Run("INSERT OR REPLACE INTO PROPS_TBL(PROP_ID, PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, "
                         "FEATURE_ID, LIST_ORDER) VALUES ((SELECT PROP_ID FROM PROPS_TBL WHERE PROP_NAME=" +
                         name + " AND FEATURE_ID=" + f + "), " + name + "," + Sql_Quote(item.text) + ",''," +
                         (item.checked ? "1" : "0") + "," + f + "," + Num(static_cast<std::int64_t>(i) + 1) + ")"))
            return false;
    }
    return session.Commit();
}

std::int32_t Get_Feature_ID(const std::string& key) {
    StoreSession session;
    SqlResult result;
    std::int32_t rows = 0;
    if (!session.Run("SELECT FEATURE_ID FROM FEATURE_TBL WHERE FEATURE_KEY=" + Sql_Quote(key), result, rows) ||
        rows < 1)
        return 0;
    return static_cast<std::int32_t>(result.Number(1, 0));
}

bool Get_Features(bool online, SqlResult& result, bool activeOnly) {
    std::string sql =
        "SELECT FEATURE_ID, FEATURE_KEY, FEATURE_NAME, FEATURE_DESC, FEATURE_GROUP, IMAGE, NODE_TYPE, (SELECT "
        "FEATURE_KEY FROM FEATURE_TBL FT2 WHERE FT2.FEATURE_ID=FT1.PARENT) AS PARENT_KEY, ACTIVE FROM FEATURE_TBL "
        "FT1 WHERE FEATURE_ID!=0";
    if (activeOnly) sql += " AND ACTIVE=1";
    if (!online) sql += " AND OFFLINE=1";
    // FEATURE_ID keeps siblings in their shipped order whatever plan the sort gets.
    sql += " ORDER BY NODE_TYPE, FEATURE_ID";
    StoreSession session;
    std::int32_t rows = 0;
    return session.Run(sql, result, rows) && rows > 0;
}

bool Get_Feature_Props(std::int32_t featureId, SqlResult& result, bool activeOnly) {
    // WMI names are case-insensitive: rows whose names differ only in case
    // (an older scan added "ProcessID" beside "ProcessId") are one property,
    // the oldest row, whatever the others' choice.
    const std::string f = Num(featureId);
    std::string sql =
        "SELECT PROP_ID, PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, LIST_ORDER FROM PROPS_TBL P WHERE FEATURE_ID=" +
        f + " AND NOT EXISTS (SELECT 1 FROM PROPS_TBL T WHERE T.FEATURE_ID=" + f +
        " AND T.PROP_NAME=P.PROP_NAME COLLATE NOCASE AND T.PROP_ID<P.PROP_ID)";
    if (activeOnly) sql += " AND ACTIVE=1";
    sql += " ORDER BY LIST_ORDER";
    StoreSession session;
    std::int32_t rows = 0;
    return session.Run(sql, result, rows) && rows > 0;
}

bool Load_Features_Tree(TreeModel& tree, bool online, bool addReports) {
    // Read before the tree is emptied: a file that cannot be read leaves the
    // tree as it was; a read that found no feature empties it.
    SqlResult rows;
    const bool found = Get_Features(online, rows, true);
    if (rows.Has_Table()) tree.Clear();
    if (!found) return false;
    for (std::size_t r = 1; r <= rows.Data_Row_Count(); ++r) {
        const std::string& key = rows.Text(r, 1);
        TreeNode* node = nullptr;
        if (rows.Text(r, 6) == "0") {
            node = tree.Add_Root(key, rows.Text(r, 2), rows.Text(r, 5));
        } else if (TreeNode* parent = tree.Find(rows.Text(r, 7))) {
            node = tree.Add_Child(parent, key, rows.Text(r, 2), rows.Text(r, 5));
        }
        if (!node) {
            Set_Error(1, "The feature \"" + key + "\" cannot be placed in the tree: its parent \"" + rows.Text(r, 7) +
                             "\" is not loaded or its key is already in the tree.");
            return false;
        }
        node->tag = rows.Text(r, 0);
        node->checked = rows.Flag(r, 8);
        tree.Changed(*node);
    }
    if (addReports) Load_Tabular_Report_Nodes(tree, "[Root...]");
    return true;
}

}  // namespace crv
