// The Internet scores window: the players' Internet score files, one
// player, table size and competition at a time, in a grid; a whole file,
// an opponent or a group of opponents can be deleted.
#pragma once

#include <QString>

#include "platform/controls.h"

namespace grisk {

class FrmScoresNet : public vb::Form {
public:
    FrmScoresNet();
    vb::Control& lblPlayer;
    vb::Control& lblSize;
    vb::Control& cboMulti;   // 2, 3 or 4 player games
    vb::Control& lblCompete;
    vb::Control& Combo1;     // the default score file, then the competitions
    vb::Control& GridNET;
    vb::Control& CmdNext;    // the next player's files
    vb::Control& Command2;   // delete the file
    vb::Control& Command4;   // delete the opponent or the group
    vb::Control& Command1;   // close

    // Between events: the entry of the file list shown, its player's name,
    // the file in the grid, its table size, and the first record of the
    // group chosen (0 none).
    int FileIndex = 0;
    QString PlayerBase;
    QString ScoreFileName;
    int ShownPlayers = 2;
    int GroupStart = 0;

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Click(vb::Control& c) override;

    void cboMulti_Click();
    void Combo1_Click();
    void CmdNext_Click();
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void GridNET_Click();

private:
    void showEntry(int index);
    void showFile();
    void PrintUsers();
    void ShowCompetitionScores();
    void CompetitionList();
    void ClearGridNET();
    // The records shown in the grid.
    int ShownRecords = 0;
};

FrmScoresNet& frmScoresNet();
bool FrmScoresNetExists();
void ReleaseFrmScoresNet();

}  // namespace grisk
