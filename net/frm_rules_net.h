// The host's rules window of an Internet game ("Host Setup and Rules"):
// the number of opponents, the centre piles of a two-player table and,
// through the house rules dialog, the rules of the next game. What it
// decides goes back through NumPlayers, NumCenters and SkipGameSave (True:
// nothing of the layout changed and the running game may go on).
#pragma once

#include "platform/controls.h"

namespace grisk {

class FrmRulesNet : public vb::Form {
public:
    FrmRulesNet();
    vb::ControlArray& lblRules;  // 1: what the rules button does
    vb::Control& cmdRules;
    vb::ControlArray& Label1;    // 0: what the player count does
    vb::ControlArray& Option1;   // 1, 2 or 3 opponents
    vb::Control& fraCenters;
    vb::ControlArray& optCenters;  // 3 or 4 centre piles
    vb::Control& cmdDone;
    vb::Control& CmdCancel;

    // The counts chosen: players 2..4 (the count in force at first), centre
    // piles 3 or 4 (0 until a centre button is selected).
    int PlayersChoice = 0;
    int CentersChoice = 0;

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Click(vb::Control& c) override;

    void cmdRules_Click();
    void Option1_Click(int Index);
    void optCenters_Click(int Index);
    void cmdDone_Click();
    void CmdCancel_Click();

private:
    void selectCenters(int Index);
};

FrmRulesNet& frmRulesNet();
bool FrmRulesNetExists();
void ReleaseFrmRulesNet();

}  // namespace grisk
