// The Internet player set-up window as designed: its controls, captions,
// tips and places.
#include "net/frm_multi_net.h"
#include "records/dialog_look.h"

namespace grisk {

namespace {
constexpr double kLeft = 240;
constexpr double kWidth = 6600;
}  // namespace

FrmMultiNet::FrmMultiNet()
    : OpponentSetupForm(QStringLiteral("frmMultiNET")),
      lblChoose(addControl(vb::Kind::Label, "lblChoose")),
      CmdSetup(addArray(vb::Kind::CommandButton, "CmdSetup", 0)),
      Frame1(addControl(vb::Kind::Frame, "Frame1")),
      lblOppName(addControl(vb::Kind::Label, "lblOppName")),
      TxtOpponent(addArray(vb::Kind::TextBox, "TxtOpponent", 0)),
      lblNameNote(addControl(vb::Kind::Label, "lblNameNote")),
      lblOppSet(addArray(vb::Kind::Label, "lblOppSet", 2)),
      lblAvatar(addControl(vb::Kind::Label, "lblAvatar")),
      imgOppAvatar(addControl(vb::Kind::Image, "imgOppAvatar")),
      HScrollAvatar(addControl(vb::Kind::HScrollBar, "HScrollAvatar")),
      ckShowAvatar(addControl(vb::Kind::CheckBox, "ckShowAvatar")),
      ckNoPlayerAvatar(addControl(vb::Kind::CheckBox, "ckNoPlayerAvatar")),
      Command1(addControl(vb::Kind::CommandButton, "Command1")),
      cmdExport(addControl(vb::Kind::CommandButton, "cmdExport")),
      cmdSounds(addControl(vb::Kind::CommandButton, "cmdSounds")),
      CmdApply(addControl(vb::Kind::CommandButton, "CmdApply")),
      fraScores(addControl(vb::Kind::Frame, "fraScores")),
      optNetScore(addArray(vb::Kind::OptionButton, "optNetScore", 0)),
      lblCompete(addControl(vb::Kind::Label, "lblCompete")),
      Combo1(addControl(vb::Kind::ComboBox, "Combo1")),
      lblScoreFile(addControl(vb::Kind::Label, "lblScoreFile")),
      CmdCancel(addControl(vb::Kind::CommandButton, "CmdCancel")) {
    design();
}

void FrmMultiNet::design() {
    setCaption(QStringLiteral("Internet Players Setup"));
    setBackColor(kDialogBackColor);
    Move(0, 0, kWidth + 2 * kLeft + vb::FrameWidthTw(), 7740 + vb::FrameHeightTw());

    DialogControl(lblChoose, QString(), kLeft, 120, kWidth, 420);
    lblChoose.setWordWrap(true);
    lblChoose.setFontBold(true);
    LoadElements(CmdSetup, 1, 3);
    const char* panels[] = {"Opponent 1", "Opponent 2", "Opponent 3", "Player"};
    for (int i = 0; i <= 3; ++i) DialogControl(CmdSetup(i), panels[i], kLeft + 1680 * i, 600, 1560, 420);
    CmdSetup(1).setEnabled(false);
    CmdSetup(2).setEnabled(false);

    DialogControl(Frame1, QStringLiteral("Setup for Opponent 1"), kLeft, 1140, kWidth, 3900);
    Frame1.setFontBold(true);
    DialogControl(lblOppName, QStringLiteral("Opponent Name:"), 480, 1500, 1800, 255, &Frame1);
    LoadElements(TxtOpponent, 1, 1);
    for (int i = 0; i <= 1; ++i) DialogControl(TxtOpponent(i), QString(), 2400, 1440, 2760, 315, &Frame1);
    TxtOpponent(0).setToolTipText(QStringLiteral("Change your name NOW if you need too!"));
    TxtOpponent(1).setToolTipText(
        QStringLiteral("You can leave this blank or enter the name YOU want to call your opponent."));
    DialogControl(lblNameNote, QStringLiteral("Leave this blank if you would like to use the name your Opponent is using."),
                  480, 1860, 6000, 420, &Frame1);
    lblNameNote.setWordWrap(true);
    DialogControl(lblOppSet(2), QStringLiteral("Chat Comment File:"), 480, 2340, 1800, 255, &Frame1);
    DialogControl(CboComment, QString(), 2400, 2280, 2520, 315, &Frame1);
    DialogControl(CboOpponent, QString(), 2400, 2640, 2520, 315, &Frame1);
    for (vb::Control* list : {&CboOpponent, &CboComment}) list->setStyle(2);

    DialogControl(lblAvatar, QStringLiteral("Avatar:"), 480, 3000, 1440, 255, &Frame1);
    DialogControl(imgOppAvatar, QString(), 480, 3300, 1440, 1200, &Frame1);
    imgOppAvatar.setBorderStyle(1);
    DialogControl(HScrollAvatar, QString(), 480, 4560, 1440, 255, &Frame1);
    HScrollAvatar.setMin(1);
    HScrollAvatar.setMax(1);
    HScrollAvatar.setValue(1);
    DialogControl(ckShowAvatar, QStringLiteral("Show Avatar"), 2160, 3000, 2040, 300, &Frame1);
    DialogControl(ckNoPlayerAvatar, QStringLiteral("Player Avatar"), 2160, 3000, 2040, 300, &Frame1);
    ckNoPlayerAvatar.setVisible(false);
    DialogControl(Command1, QStringLiteral("&Add new Avatar"), 4440, 3300, 2160, 375, &Frame1);
    Command1.setToolTipText(QStringLiteral("Add a new Avatar"));
    DialogControl(cmdExport, QStringLiteral("&Export Avatar"), 4440, 3720, 2160, 375, &Frame1);
    cmdExport.setToolTipText(QStringLiteral("Export an avatar to send to  a friend"));
    DialogControl(cmdSounds, QStringLiteral("Change &Sounds"), 4440, 4140, 2160, 375, &Frame1);
    DialogControl(CmdApply, QStringLiteral("Save &Opponent"), 4440, 4560, 2160, 420, &Frame1);

    DialogControl(fraScores, QStringLiteral("Net Score File"), kLeft, 5160, kWidth, 1860);
    LoadElements(optNetScore, 1, 1);
    DialogControl(optNetScore(0), QStringLiteral("Use Player's Default Score File"), 480, 5460, 3600, 300,
                  &fraScores);
    DialogControl(optNetScore(1), QStringLiteral("Use Competition Score File:"), 480, 5800, 3600, 300, &fraScores);
    DialogControl(lblCompete, QStringLiteral("Select existing competition or type in new competition name:"), 480,
                  6140, 3600, 420, &fraScores);
    lblCompete.setWordWrap(true);
    DialogControl(Combo1, QString(), 4200, 6140, 2400, 315, &fraScores);
    DialogControl(lblScoreFile, QStringLiteral("Current Score File: "), 480, 6660, 6000, 255, &fraScores);

    DialogControl(cmdDone, QStringLiteral("&Done"), kLeft, 7200, 1800, 420);
    DialogControl(CmdCancel, QStringLiteral("&Cancel"), kLeft + 2040, 7200, 1800, 420);
}

}  // namespace grisk
