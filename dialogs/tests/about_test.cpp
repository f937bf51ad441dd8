// The about box: its texts and where its links go (the test host's shell).
#include <gtest/gtest.h>

#include "core/common.h"
#include "core/maker.h"
#include "dialogs/frm_about_controller.h"
#include "dialogs/tests/dialog_test_support.h"

namespace crv {
namespace {

TEST(About, ShowsTheVersionAndOpensTheMakersPageAndMail) {
    test::TestDialogHost host;
    AboutController c{host};
    c.Form_Load();
    EXPECT_EQ(c.lblProduct, "Corvalin");
    EXPECT_EQ(c.lblVersion, "Version: " + std::to_string(Version_Major) + "." + std::to_string(Version_Minor) +
                                " Build:" + std::to_string(Version_Revision));
    c.imgLogo_Click();
    c.lblLink_Click(0);
    c.lblLink_Click(1);
    c.lblLink_Click(2);
    c.lblLink_Click(3);
    c.lblLink_Click(-1);
    ASSERT_EQ(host.opened.size(), 4u);
    EXPECT_EQ(host.opened[0], "https://www.veltrane.com/?sc=crv");
    EXPECT_EQ(host.opened[1], host.opened[0]);
    EXPECT_EQ(host.opened[2], "mailto:" + std::string(Maker_Support_Mail));
    EXPECT_EQ(host.opened[3], "mailto:" + std::string(Maker_Sales_Mail));
    EXPECT_EQ(c.lblLink_caption[0], "www.veltrane.com");
    EXPECT_EQ(c.lblLink_tag[0], std::string(Maker_Site) + "/?sc=crv");

    EXPECT_FALSE(c.Form_KeyPress(13));
    EXPECT_EQ(host.closes, 0);
    EXPECT_TRUE(c.Form_KeyPress(27));
    c.cmdOK_Click();
    EXPECT_EQ(host.closes, 2);
}

}  // namespace
}  // namespace crv
