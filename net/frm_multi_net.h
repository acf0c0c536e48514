// The Internet player set-up window ("Internet Players Setup"): on the
// player's panel their name, avatar and chat comment file; on an opponent's
// panel a picture and a name of the player's choosing for that remote
// player (kept in the avatar assignment file); and the score file the
// games count in, the player's default one or a competition's.
#pragma once

#include <QString>

#include "engine/state.h"
#include "records/opponent_setup.h"

namespace grisk {

class FrmMultiNet : public OpponentSetupForm {
public:
    FrmMultiNet();

    vb::Control& lblChoose;
    vb::ControlArray& CmdSetup;     // opponents 1..3, the player
    vb::Control& Frame1;            // the panel
    vb::Control& lblOppName;
    vb::ControlArray& TxtOpponent;  // 0 the player's name, 1 the remote player's
    vb::Control& lblNameNote;
    vb::ControlArray& lblOppSet;    // 2: the chat comment file
    vb::Control& lblAvatar;
    vb::Control& imgOppAvatar;
    vb::Control& HScrollAvatar;
    vb::Control& ckShowAvatar;
    vb::Control& ckNoPlayerAvatar;
    vb::Control& Command1;  // add an avatar
    vb::Control& cmdExport;
    vb::Control& cmdSounds;
    vb::Control& CmdApply;
    vb::Control& fraScores;
    vb::ControlArray& optNetScore;  // 0 the default score file, 1 a competition's
    vb::Control& lblCompete;
    vb::Control& Combo1;            // the competitions; a new name may be typed
    vb::Control& lblScoreFile;
    vb::Control& CmdCancel;

    int SeatPanel = 0;  // 0..2 opponent 1..3, 3 the player
    QString AvatarChoice;

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Click(vb::Control& c) override;
    void Change(vb::Control& c) override;

    void CmdSetup_Click(int Index);
    void CmdApply_Click();
    void cmdDone_Click();
    void CmdCancel_Click();
    void CboComment_Click();
    void CboOpponent_Click();
    void TxtOpponent_KeyDown(int Index);
    void HScrollAvatar_Change();
    void ckShowAvatar_Click();
    void ckNoPlayerAvatar_Click();
    void Command1_Click();
    void cmdExport_Click();
    void cmdSounds_Click();
    void optNetScore_Click(int Index);
    void Combo1_Click();
    void Combo1_Change();

    // Puts the scroll bar on that picture (the first one when it is not
    // listed).
    void SetAvatarHscroll(const QString& ThisAvatar);
    // Fills the opponent panel for rec and returns its picture.
    QString LoadNetPlayerAvatar(PlayerRecord& Rec);

private:
    void design();
    void AskSaveSettings(int Index);
    void savePlayer();
    void saveOpponent();
    void panelEdited();
};

FrmMultiNet& frmMultiNet();
bool FrmMultiNetExists();
void ReleaseFrmMultiNet();

// The checks of Done: names fit for file names, not the default opponent's
// name for the player, a competition named when one is to be used. Puts
// the score file chosen into force and the player's name on the table.
bool ValidateNetPlayerSetup(FrmMultiNet& Frm);

// The competitions of the player (as typed in the window) at this table
// size into the window's list, the one in force first.
void FillScoreFileList(FrmMultiNet& Frm);

}  // namespace grisk
