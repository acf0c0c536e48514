// The tutorial window, frmTutorial: a small window beside the table that
// plays the script "tutorial.txt" step by step. A step shows its text and may
// let one of the human's cards move, point at a pile, or put a prepared
// position on the table; the human plays on the real table and the computer
// takes its turns between the steps.
#pragma once

#include <QStringList>
#include <memory>

#include "platform/controls.h"

namespace grisk {

class Class1;

class FrmTutorial : public vb::Form {
public:
    FrmTutorial();
    ~FrmTutorial() override;
    vb::Control& Picture1;    // the picture behind the text
    vb::Control& lblTipText;  // the step's text
    vb::Control& cmdNextTip;  // Next
    vb::Control& cmdBack;     // Back
    vb::Control& cmdOK;       // Exit

    QStringList Tips;     // the script's steps; step n is line n
    int CurrentTip = 0;   // the step on show, from 1; 0 before the first
    double SavedScreenWidth = 0;  // the screen width when the tutorial opened (0: not stored)

    // Reads the script; false when fileName is empty or there is no such file.
    bool LoadTips(const QString& fileName);
    // 0: one step forward; 1: one step back (into a prepared position's
    // range: the position again, from the range's first step).
    void ShowTipStep(int direction);
    void DisplayCurrentTip();
    // Carries out the step's tag; returns the text to show.
    QString ReadEnableInfo(const QString& text);

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Click(vb::Control& c) override;
    void cmdNextTip_Click();
    void cmdBack_Click();
    void cmdOK_Click();

private:
    // The player's own table and rules, put back when the tutorial closes.
    struct PlayerTable {
        bool kept = false;
        int players = 2;
        int centres = 3;
        int side = 19;
        int forced = 0;
        bool noWildAce = false;
    };
    void placePointerAtSlot(int slot);
    void pointAtHoldPiles();
    void placeBesideTable();
    void fitToScreen();
    void putPlayerTableBack();
    PlayerTable player_;
    double rememberedHeight_ = 0;
    double rememberedWidth_ = 0;
    std::unique_ptr<Class1> onTop_;
};

FrmTutorial& frmTutorial();
bool FrmTutorialExists();

// A play of the human while the tutorial runs: the step is done, Next leads on.
void TutorialPlayDone();

// The tutorial asked for from the Help menu: during a game that the
// tutorial would take off the table, the player says first whether to go on.
void StartTutorial();

}  // namespace grisk
