// The two hints of the command menus: the box that sends an Internet
// player to the Internet menu, and the line that says how to start a game.
#include <gtest/gtest.h>

#include "engine/frm_grisk.h"
#include "engine/menu_hint.h"
#include "platform/msgbox.h"
#include "support/test_support.h"

using namespace grisk;

namespace {

class MenuHintTest : public grisk_test::GriskTest {};

TEST_F(MenuHintTest, OneIsAnInformationBoxTwoTheRemarkLineAnythingElseNothing) {
    ShowMenuHint(1);
    const auto& shown = vb::msgbox_script::shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt, "Please use the Internet Menu during Internet games.");
    EXPECT_EQ(shown[0].title, "Quenmoor Online");
    EXPECT_EQ(shown[0].icon(), vb::vbInformation);
    EXPECT_EQ(shown[0].buttons(), vb::vbOKOnly);
    EXPECT_EQ(frmGrisk().Label9(2).Caption(), "");

    ShowMenuHint(2);
    EXPECT_EQ(frmGrisk().Label9(2).Caption(), "Select NEW from the Game Menu to start a new game.");
    EXPECT_EQ(shown.size(), 1u);

    frmGrisk().Label9(2).setCaption("kept");
    for (int which : {0, 3, -1}) ShowMenuHint(which);
    EXPECT_EQ(frmGrisk().Label9(2).Caption(), "kept");
    EXPECT_EQ(shown.size(), 1u);
}

}  // namespace
