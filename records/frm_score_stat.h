// The scoreboard and statistics window frmScoreStat: every player's games
// against the computer opponents, one player's statistics by slot and best
// runs, the two high-score tables, and the maintenance that deletes players
// or clears their scores. The window keeps "Prefs.sav" open while it is
// loaded. A removed player's record stays in the file, blank, so that the
// records keep their numbers; blank names are never listed.
#pragma once

#include <vector>

#include "platform/controls.h"
#include "platform/recordfile.h"

namespace grisk {

class FrmScoreStat : public vb::Form {
public:
    FrmScoreStat();
    vb::Control& SSTab1;          // 0 scoreboard, 1 statistics, 2 runs, 3 high scores
    vb::Control& GridScores;
    vb::Control& fraMaintain;
    vb::ControlArray& Maintance;  // 0..3 in fraMaintain
    vb::Control& Combo1;          // the players of the statistics and runs tabs
    vb::Control& GridStats;
    vb::Control& GridRun;
    vb::Control& cmdClearStats;
    vb::Control& lblBest;
    vb::Control& GridHigh;
    vb::Control& cmdSwitch;
    vb::Control& cmdClear;
    vb::Control& Label1;          // the message line
    vb::Control& cmdClose;

    // The scoreboard row picked (0 none, 1 the computer opponents) and the
    // record each row shows.
    int SelectedRow = 0;
    std::vector<int> RowRecord;
    // The record the statistics and runs tabs show (0 none), and the first
    // record of the high-score table shown (1 or 11).
    int StatsRecord = 0;
    int HighFirst = 1;

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Click(vb::Control& c) override;

    void PrintNames();
    void SSTab1_Click();
    void Combo1_Click();
    void GetStats(int recNo);
    void GetRun(int recNo);
    void Maintance_Click(int index);
    void cmdClearStats_Click();
    void cmdSwitch_Click();
    void HighStuff();
    void SetUpGridHigh();
    void cmdClear_Click();
    // Zeroes the record's games, wins and margins of every slot (unless
    // runsOnly) and its best runs. The signed-in player's own record takes
    // its run table with it.
    void ClearPlayerValues(int recNo, bool runsOnly);

    // The window shown modally on the tab StatsTab names.
    void ShowModal();

private:
    vb::RecordFile prefs_;
    bool comboFilled_ = false;
    int lastRecord() const;
    bool ownRecord(int recNo) const;
    void deletePlayer(int recNo);
    void deleteAllPlayers();
    void fillCombo();
    void blankRecord(int recNo);
};

FrmScoreStat& frmScoreStat();
void ReleaseFrmScoreStat();

// The scoreboard window on tab 0, 1 or 2 (the Game menu's "Scores and
// Stats" and F3, Ctrl+F3, Ctrl+Shift+F3).
void ShowScoreStat(int tab);

}  // namespace grisk
