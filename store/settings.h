#pragma once
// The settings row SETTINGS_ID 1 of SETTINGS_TBL. Flags are written as the
// words True and False; readers also take "-1" and "1" as True.
#include "store/store.h"

namespace crv {

// WORK_ONLINE, LAST_OPTIMIZE, TLB_VISIBILITY, VERTICAL_LISTING,
// AUTO_CHECK_UPDATES of row 1, in this order (LAST_OPTIMIZE is NULL until
// the first optimisation: Is_Null(1, 1)).
bool Get_Settings(SqlResult& result);
bool Get_Vertical_Listing();
bool Get_Auto_Check_Updates();
bool Set_Work_Online(bool value);
bool Set_Vertical_Listing(bool value);
bool Set_Auto_Check_Updates(bool value);
// The toolbar visibility mask TLB_VISIBILITY (bit n: Tools Visible item n).
bool Set_Toolbar_Visibility(std::int32_t mask);

}  // namespace crv
