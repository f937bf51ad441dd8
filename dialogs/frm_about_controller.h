#pragma once
// The about box's controller: the product, its version, and the maker's
// page and mail addresses opened through the host's shell. Portable; the
// Win32 view is win/frm_about.h.
#include <array>
#include <string>

#include "dialogs/dialog_host.h"

namespace crv {

class AboutController {
public:
    explicit AboutController(DialogHost& host) : host_(host) {}

    // ---- controls ----
    std::string lblProduct = "Corvalin";
    std::string lblVersion;
    std::string imgLogo_tag = std::string(Maker_Page_Address);
    // lblLink(0) the web host (its tag the page), (1) support, (2) sales.
    std::array<std::string, 3> lblLink_caption{std::string(Maker_Host), std::string(Maker_Support_Mail),
                                               std::string(Maker_Sales_Mail)};
    std::array<std::string, 3> lblLink_tag{std::string(Maker_Page_Address), "", ""};

    // ---- event handlers ----
    void Form_Load();
    void cmdOK_Click() { host_.Close(); }
    // Esc (27) closes; true when the key was used.
    bool Form_KeyPress(int key_ascii);
    void imgLogo_Click() { host_.Open_With_Shell(imgLogo_tag); }
    void lblLink_Click(int index);

private:
    DialogHost& host_;
};

}  // namespace crv
