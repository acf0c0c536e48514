// The opponent set-up window as designed: its controls, captions, tips and
// places. The sound panel lies to the right of the rest; the window shows
// it only while it is wide.
#include "records/dialog_look.h"
#include "records/frm_multi.h"

namespace grisk {

namespace {

constexpr double kLeft = 240;        // the left edge of the window's left part
constexpr double kPartWidth = 6600;  // the width of the left part's frames
constexpr double kSoundLeft = 7200;  // the sound panel
constexpr double kSoundWidth = 5520;

// The sound events of a personality, 1..16: caption and tip.
struct EventCaption {
    const char* caption;
    const char* tip;
};
constexpr EventCaption kSoundEvents[] = {
    {"Wild Card -P", "Player's Wild"}, {"Turn Over", nullptr}, {"Win1", nullptr},   {"Win2", nullptr},
    {"Win3", nullptr},                 {"Win4", nullptr},      {"Lose1", nullptr},  {"Lose2", nullptr},
    {"Lose3", nullptr},                {"Lose4", nullptr},     {"Whining", nullptr}, {"Thanks", nullptr},
    {"Yeah!", nullptr},                {"Winner", nullptr},    {"Loser", nullptr},  {"Wild Card -O", "Opponent's Wild"},
};

}  // namespace

FrmMulti::FrmMulti()
    : OpponentSetupForm(QStringLiteral("frmMulti")),
      lblChoose(addControl(vb::Kind::Label, "lblChoose")),
      Label1(addControl(vb::Kind::Label, "Label1")),
      Option1(addArray(vb::Kind::OptionButton, "Option1", 0)),
      fraCenters(addControl(vb::Kind::Frame, "fraCenters")),
      optCenters(addArray(vb::Kind::OptionButton, "optCenters", 0)),
      CmdSetup(addArray(vb::Kind::CommandButton, "CmdSetup", 0)),
      Frame1(addControl(vb::Kind::Frame, "Frame1")),
      lblOppSet(addArray(vb::Kind::Label, "lblOppSet", 0)),
      lblNoPersonality(addControl(vb::Kind::Label, "lblNoPersonality")),
      lblDescription(addControl(vb::Kind::Label, "lblDescription")),
      CboOppLevel(addControl(vb::Kind::ComboBox, "CboOppLevel")),
      OptWav(addArray(vb::Kind::OptionButton, "OptWav", 0)),
      cmdSounds(addControl(vb::Kind::CommandButton, "cmdSounds")),
      lblNoSoundNow(addControl(vb::Kind::Label, "lblNoSoundNow")),
      lblAvatar(addControl(vb::Kind::Label, "lblAvatar")),
      imgOppAvatar(addControl(vb::Kind::Image, "imgOppAvatar")),
      HScrollAvatar(addControl(vb::Kind::HScrollBar, "HScrollAvatar")),
      ckShowAvatar(addControl(vb::Kind::CheckBox, "ckShowAvatar")),
      ckNoPlayerAvatar(addControl(vb::Kind::CheckBox, "ckNoPlayerAvatar")),
      lblPlayer(addControl(vb::Kind::Label, "lblPlayer")),
      Command1(addControl(vb::Kind::CommandButton, "Command1")),
      cmdExport(addControl(vb::Kind::CommandButton, "cmdExport")),
      CmdApply(addControl(vb::Kind::CommandButton, "CmdApply")),
      fraGeneral(addControl(vb::Kind::Frame, "fraGeneral")),
      Label2(addControl(vb::Kind::Label, "Label2")),
      Check1(addArray(vb::Kind::CheckBox, "Check1", 0)),
      Frame2(addControl(vb::Kind::Frame, "Frame2")),
      OptPlay(addArray(vb::Kind::OptionButton, "OptPlay", 1)),
      lblSound(addArray(vb::Kind::Label, "lblSound", 1)),
      imgPoint(addControl(vb::Kind::Image, "imgPoint")),
      CmdChangeSound(addControl(vb::Kind::CommandButton, "CmdChangeSound")),
      cmdResetSounds(addControl(vb::Kind::CommandButton, "cmdResetSounds")),
      CmdSaveSounds(addControl(vb::Kind::CommandButton, "CmdSaveSounds")),
      CmdCancel(addControl(vb::Kind::CommandButton, "CmdCancel")),
      cmdHelp(addControl(vb::Kind::CommandButton, "cmdHelp")) {
    design();
}

void FrmMulti::design() {
    setCaption(QStringLiteral("Opponents Setup"));
    setBackColor(kDialogBackColor);
    Move(0, 0, kSoundLeft + kSoundWidth + 240 + vb::FrameWidthTw(), 9780 + vb::FrameHeightTw());

    DialogControl(lblChoose, QString(), kLeft, 120, kPartWidth, 420);
    lblChoose.setWordWrap(true);
    lblChoose.setFontBold(true);
    DialogControl(Label1, QStringLiteral("Choose the number of Opponents you would like to play against:"), kLeft, 600,
                  kPartWidth, 255);
    LoadElements(Option1, 1, 2);
    const char* counts[] = {"1 Opponent", "2 Opponents", "3 Opponents"};
    for (int i = 0; i <= 2; ++i) DialogControl(Option1(i), counts[i], kLeft + 2200 * i, 900, 2000, 300);

    DialogControl(fraCenters, QString(), kLeft, 1260, kPartWidth, 600);
    fraCenters.setVisible(false);
    LoadElements(optCenters, 1, 1);
    DialogControl(optCenters(0), QStringLiteral("3 Centers"), 480, 1500, 1800, 300, &fraCenters);
    DialogControl(optCenters(1), QStringLiteral("4 Centers"), 2520, 1500, 1800, 300, &fraCenters);

    LoadElements(CmdSetup, 1, 3);
    const char* panels[] = {"Opponent 1", "Opponent 2", "Opponent 3", "Player"};
    for (int i = 0; i <= 3; ++i) DialogControl(CmdSetup(i), panels[i], kLeft + 1680 * i, 1980, 1560, 420);

    designPanel();

    DialogControl(fraGeneral, QStringLiteral("Personality Adjustment"), kLeft, 7560, kPartWidth, 1380);
    DialogControl(Label2, QStringLiteral("General Game settings that can be disabled:"), 480, 7860, 6000, 255,
                  &fraGeneral);
    LoadElements(Check1, 1, 2);
    DialogControl(Check1(0), QStringLiteral("Disable Win Game Animation"), 480, 8160, 3000, 300, &fraGeneral);
    DialogControl(Check1(1), QStringLiteral("Disable Lose Game Animation"), 3540, 8160, 3000, 300, &fraGeneral);
    DialogControl(Check1(2), QStringLiteral("Disable Personality Sounds"), 480, 8520, 3000, 300, &fraGeneral);

    designSoundPanel();

    DialogControl(cmdDone, QStringLiteral("&Done"), kLeft, 9120, 1800, 420);
    DialogControl(CmdCancel, QStringLiteral("&Cancel"), kLeft + 2280, 9120, 1800, 420);
    DialogControl(cmdHelp, QStringLiteral("&Help"), kLeft + 4560, 9120, 1800, 420);
}

void FrmMulti::designPanel() {
    DialogControl(Frame1, QStringLiteral("Setup for Opponent 1"), kLeft, 2520, kPartWidth, 4920);
    Frame1.setFontBold(true);
    LoadElements(lblOppSet, 1, 3);
    const char* rows[] = {"Opponent Personality:", "Ability Level:", "Comment File:", "Sound File:"};
    const double rowTops[] = {2880, 3840, 4260, 4680};
    for (int i = 0; i <= 3; ++i) DialogControl(lblOppSet(i), rows[i], 480, rowTops[i], 2160, 255, &Frame1);

    DialogControl(CboOpponent, QString(), 2760, 2820, 2520, 315, &Frame1);
    DialogControl(lblNoPersonality, QString(), 5400, 2880, 1320, 255, &Frame1);
    DialogControl(lblDescription, QString(), 480, 3240, 6240, 480, &Frame1);
    lblDescription.setWordWrap(true);
    DialogControl(CboOppLevel, QString(), 2760, 3780, 1800, 315, &Frame1);
    DialogControl(CboComment, QString(), 2760, 4200, 2520, 315, &Frame1);
    // The lists are only picked from: no name typed becomes a file's name.
    for (vb::Control* list : {&CboOpponent, &CboOppLevel, &CboComment}) list->setStyle(2);

    LoadElements(OptWav, 1, 1);
    DialogControl(OptWav(0), QStringLiteral("Default"), 2760, 4650, 1080, 300, &Frame1);
    DialogControl(OptWav(1), QStringLiteral("Custom"), 3900, 4650, 1080, 300, &Frame1);
    DialogControl(cmdSounds, QStringLiteral("Change Sounds"), 5040, 4620, 1560, 375, &Frame1);
    DialogControl(lblNoSoundNow, QString(), 480, 5040, 6120, 255, &Frame1);

    DialogControl(lblAvatar, QStringLiteral("Avatar:"), 480, 5400, 1400, 255, &Frame1);
    DialogControl(imgOppAvatar, QString(), 480, 5700, 1440, 1200, &Frame1);
    imgOppAvatar.setBorderStyle(1);
    DialogControl(HScrollAvatar, QString(), 480, 6960, 1440, 255, &Frame1);
    HScrollAvatar.setMin(1);
    HScrollAvatar.setMax(1);
    HScrollAvatar.setValue(1);
    DialogControl(ckShowAvatar, QStringLiteral("Show Avatar"), 2160, 5400, 2160, 300, &Frame1);
    DialogControl(ckNoPlayerAvatar, QStringLiteral("Show Player Avatar"), 2160, 5400, 2160, 300, &Frame1);
    ckNoPlayerAvatar.setVisible(false);
    DialogControl(lblPlayer, QString(), 480, 2880, 6120, 900, &Frame1);
    lblPlayer.setWordWrap(true);
    lblPlayer.setVisible(false);
    DialogControl(Command1, QStringLiteral("&Add New Avatar"), 4440, 5700, 2160, 375, &Frame1);
    Command1.setToolTipText(QStringLiteral("Add a new Avatar"));
    DialogControl(cmdExport, QStringLiteral("&Export Avatar"), 4440, 6180, 2160, 375, &Frame1);
    cmdExport.setToolTipText(QStringLiteral("Export an Avatar to send to a friend"));
    DialogControl(CmdApply, QStringLiteral("&Save Opponent"), 4440, 6840, 2160, 420, &Frame1);
}

void FrmMulti::designSoundPanel() {
    DialogControl(Frame2, QStringLiteral("Current Sounds"), kSoundLeft, 120, kSoundWidth, 8820);
    LoadElements(OptPlay, 2, 16);
    LoadElements(lblSound, 2, 16);
    for (int i = 1; i <= 16; ++i) {
        const double top = 480 + (i - 1) * 480;
        const EventCaption& e = kSoundEvents[i - 1];
        DialogControl(OptPlay(i), QString::fromLatin1(e.caption), kSoundLeft + 480, top, 2040, 300, &Frame2);
        OptPlay(i).setToolTipText(e.tip ? QString::fromLatin1(e.tip) : QString());
        DialogControl(lblSound(i), QString(), kSoundLeft + 2580, top + 45, 2800, 255, &Frame2);
    }
    DialogControl(imgPoint, QString(), kSoundLeft + 180, 480, 240, 300, &Frame2);
    imgPoint.setPicture(PointerPicture());
    imgPoint.setVisible(false);
    DialogControl(CmdChangeSound, QStringLiteral("Get New Sound"), kSoundLeft + 240, 8340, 1620, 420, &Frame2);
    DialogControl(cmdResetSounds, QStringLiteral("Restore Default"), kSoundLeft + 1980, 8340, 1620, 420, &Frame2);
    DialogControl(CmdSaveSounds, QStringLiteral("Save Custom"), kSoundLeft + 3720, 8340, 1620, 420, &Frame2);
}

}  // namespace grisk
