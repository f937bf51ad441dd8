#include <memory>

#include "dialogs/main_find_link.h"
#include "dialogs/win/dialog_commands.h"
#include "dialogs/win/frm_find.h"
#include "dialogs/win/frm_properties.h"
#include "mainwindow/frm_main_controller.h"

namespace crv {

void Attach_Properties_Find_Commands(MainController& main, std::function<HWND()> owner) {
    MainController* m = &main;
    auto owner_of = [owner] { return owner ? owner() : nullptr; };
    // Properties of the selected computer; a group or no selection: nothing.
    main.Register_Command("mnuGDProperties", [m, owner_of](int) {
        const std::int32_t id = m->Properties_Device_ID();
        if (id > 0) frmProperties::ShowThisForm(id, owner_of());
    });
    main.Register_Command("mnuFindItem",
                          [m, owner_of](int) { frmFind::Show(std::make_unique<MainFindLink>(*m), owner_of()); });
}

}  // namespace crv
