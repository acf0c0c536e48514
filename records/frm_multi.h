// The opponent set-up window of a local game ("Opponents Setup"): how many
// opponents sit at the table, each opponent's personality, level, avatar,
// comment file and sound source, a personality's custom sounds, the
// player's own avatar, the centre piles of a two-player table and three
// switches. What a panel saves goes into the profile's seats at once and
// into the game.
#pragma once

#include <QString>

#include "platform/vbarray.h"
#include "records/opponent_setup.h"

namespace grisk {

class FrmMulti : public OpponentSetupForm {
public:
    FrmMulti();

    vb::Control& lblChoose;
    vb::Control& Label1;
    vb::ControlArray& Option1;     // 1, 2 or 3 opponents
    vb::Control& fraCenters;
    vb::ControlArray& optCenters;  // 3 or 4 centre piles
    vb::ControlArray& CmdSetup;    // the panels: opponents 1..3, the player
    vb::Control& Frame1;           // the panel
    vb::ControlArray& lblOppSet;
    vb::Control& lblNoPersonality;
    vb::Control& lblDescription;
    vb::Control& CboOppLevel;
    vb::ControlArray& OptWav;      // the seat's sounds: default or custom
    vb::Control& cmdSounds;
    vb::Control& lblNoSoundNow;
    vb::Control& lblAvatar;
    vb::Control& imgOppAvatar;
    vb::Control& HScrollAvatar;
    vb::Control& ckShowAvatar;
    vb::Control& ckNoPlayerAvatar;
    vb::Control& lblPlayer;
    vb::Control& Command1;  // add an avatar
    vb::Control& cmdExport;
    vb::Control& CmdApply;
    vb::Control& fraGeneral;
    vb::Control& Label2;
    vb::ControlArray& Check1;  // no win show, no lose show, no personality sounds
    // The sound panel: the sixteen events, the file each plays, the mark of
    // the event chosen and its buttons.
    vb::Control& Frame2;
    vb::ControlArray& OptPlay;
    vb::ControlArray& lblSound;
    vb::Control& imgPoint;
    vb::Control& CmdChangeSound;
    vb::Control& cmdResetSounds;
    vb::Control& CmdSaveSounds;
    vb::Control& CmdCancel;
    vb::Control& cmdHelp;

    // The window's state, afresh at each showing.
    vb::Array<int, 1> SeatLevels{{0, 2}};
    int PlayersChoice = 0;
    int SeatPanel = 0;    // 0..2 opponent 1..3, 3 the player
    int CentersChoice = 0;
    int SoundChoice = 0;
    QString AvatarChoice;
    QString SeatPersonality;
    // Per sound event 1..16: (i, 0) the file shown, (i, 1) the file played,
    // (i, 2) the personality's own file.
    vb::Array<QString, 2> SoundTable{{0, 16}, {0, 2}};
    int SoundEvent = 0;
    double FullWidth = 0;
    double NarrowWidth = 0;
    bool SoundsWarned = false;

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Click(vb::Control& c) override;
    void Change(vb::Control& c) override;
    void MouseDown(vb::Control& c, int button, int shift, double x, double y) override;
    void SelectPlayerCount(int index) override;

    void Option1_Click(int Index);
    void optCenters_Click(int Index);
    void CmdSetup_Click(int Index);
    void CboOpponent_Click();
    void CboOppLevel_Click();
    void CboComment_Click();
    void OptWav_Click(int Index);
    void HScrollAvatar_Change();
    void Command1_Click();
    void cmdExport_Click();
    void imgOppAvatar_MouseDown(int button);
    void ckShowAvatar_Click();
    void ckNoPlayerAvatar_Click();
    void cmdSounds_Click();
    void OptPlay_Click(int Index);
    void CmdChangeSound_Click();
    void cmdResetSounds_Click();
    void CmdSaveSounds_Click();
    void Check1_Click(int Index);
    void CmdApply_Click();
    void cmdDone_Click();
    void CmdCancel_Click();
    void cmdHelp_Click();

private:
    void design();
    void designPanel();
    void designSoundPanel();
    void openOpponentPanel(int Index);
    void openPlayerPanel();
    void SelectAvatarByName(const QString& Name);
    void ReloadSeatPersonality();
    void AskSaveSeat(int Index);
    void CheckPersonalitySounds();
    void showPreview(const QString& file);
    void clearPreview();
    void selectCenters(int Index);
    void selectSoundSource(int Index);
    void panelEdited();
    void narrow();
    // The sound panel's table shown beside the events.
    void showSoundTable();
    void playEvent(int Index);
};

FrmMulti& frmMulti();
bool FrmMultiExists();
void ReleaseFrmMulti();

// True for the avatar pictures that come with the personalities (the name
// exactly as shipped: another letter case is the user's own picture).
bool IsStockAvatar(const QString& Name);

}  // namespace grisk
