// Scripted message and input boxes: answers from the queue or the default
// button, and a record of what was shown.
#include <gtest/gtest.h>

#include "platform/msgbox.h"
#include "support/test_support.h"

namespace {

class MsgBoxTest : public grisk_test::GriskTest {};

TEST_F(MsgBoxTest, UnscriptedBoxesTakeTheirDefaultButton) {
    struct Case {
        int style;
        int answer;
    };
    for (Case c : {Case{vb::vbOKOnly, vb::vbOK}, Case{vb::vbYesNo, vb::vbYes},
                   Case{vb::vbYesNo + vb::vbDefaultButton2, vb::vbNo},
                   Case{vb::vbYesNoCancel + vb::vbDefaultButton3, vb::vbCancel},
                   Case{vb::vbOKCancel + vb::vbDefaultButton3, vb::vbOK}})
        EXPECT_EQ(vb::MsgBox("?", c.style), c.answer) << c.style;
}

TEST_F(MsgBoxTest, ScriptedAnswersAndTheRecord) {
    vb::msgbox_script::pushAnswer(vb::vbNo);
    EXPECT_EQ(vb::MsgBox("Save Settings?", vb::vbYesNo + vb::vbQuestion, "Grisk:"), vb::vbNo);
    EXPECT_EQ(vb::MsgBox("Files are missing.", vb::vbCritical), vb::vbOK);
    vb::msgbox_script::pushInput("Ann");
    EXPECT_EQ(vb::InputBox("Your name?", "Sign in", "Player"), "Ann");
    EXPECT_EQ(vb::InputBox("Again?"), "") << "an unscripted input box gives its default";

    const auto& shown = vb::msgbox_script::shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].title, "Grisk:");
    EXPECT_EQ(shown[0].icon(), vb::vbQuestion);
    EXPECT_EQ(shown[0].buttons(), vb::vbYesNo);
    EXPECT_EQ(shown[1].title, vb::defaultTitle());
    EXPECT_EQ(shown[1].icon(), vb::vbCritical);
    EXPECT_TRUE(shown[2].input);
    EXPECT_EQ(shown[2].text, "Ann");
}

// A rule answers the boxes it knows by what they show, before the queue;
// the others take the queue or their default. A new script has no rule.
TEST_F(MsgBoxTest, AnAnswerRuleGoesBeforeTheQueue) {
    vb::msgbox_script::setAnswerRule(
        [](const vb::ShownBox& box) { return box.title == "Stalemate" ? static_cast<int>(vb::vbNo) : 0; });
    vb::msgbox_script::pushAnswer(vb::vbNo);
    EXPECT_EQ(vb::MsgBox("Reshuffle cards and continue with this game?", vb::vbYesNo, "Stalemate"), vb::vbNo);
    EXPECT_EQ(vb::msgbox_script::pendingAnswers(), 1) << "the queue is left for another box";
    EXPECT_EQ(vb::MsgBox("Are you serious?!", vb::vbYesNo, "Grisk"), vb::vbNo);
    EXPECT_EQ(vb::MsgBox("Are you serious?!", vb::vbYesNo, "Grisk"), vb::vbYes);
    vb::msgbox_script::enable();
    EXPECT_EQ(vb::MsgBox("Reshuffle cards and continue with this game?", vb::vbYesNo, "Stalemate"), vb::vbYes);
}

}  // namespace
