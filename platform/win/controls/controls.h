#pragma once
// Every control class of the Win32 views, for a view that binds many of them.
#include "platform/win/controls/combo_box.h"
#include "platform/win/controls/control.h"
#include "platform/win/controls/drag.h"
#include "platform/win/controls/icons.h"
#include "platform/win/controls/image_list.h"
#include "platform/win/controls/list_view.h"
#include "platform/win/controls/progress_bar.h"
#include "platform/win/controls/rebar.h"
#include "platform/win/controls/status_bar.h"
#include "platform/win/controls/timer.h"
#include "platform/win/controls/toolbar.h"
#include "platform/win/controls/tree_view.h"
