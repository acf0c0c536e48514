// The Internet player set-up window: loading, the panels, the avatars, the
// score file choice, saving a panel and closing.
#include "net/frm_multi_net.h"

#include <algorithm>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/state.h"
#include "net/frm_chat.h"
#include "net/frm_sounds.h"
#include "net/internet_scores.h"
#include "net/internet_setup.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "platform/vberror.h"
#include "records/personality.h"
#include "records/profile.h"
#include "records/record_fields.h"
#include "records/state.h"
#include "records/user_files.h"
#include "records/user_pictures.h"
#include "table/avatar.h"
#include "table/form_scaling.h"

namespace grisk {

namespace {

const QString kUseScoreFile = QStringLiteral("Use Score File: ");

// What went wrong while a panel was saved, as the player is told it.
void reportSaveProblem(int number, const QString& description) {
    vb::MsgBox("Here's the problem:\r\nError " + QString::number(number) +
                   "\r\nUnanticipated error in Internet Player Setup: " + description,
               vb::vbExclamation);
}

PlayerRecord& panelRecord(int panel) {
    return panel == 0 ? eng.Player2 : panel == 1 ? eng.Player3 : eng.Player4;
}

}  // namespace

void FrmMultiNet::Form_Load() {
    if (eng.ScreenWidthTw > 0 && eng.ScreenWidthTw < 10000) ScaleFormToScreen(*this, kScaleToScreen, 0);
    cmdDone.setEnabled(false);
    const FrmGrisk& main = frmGrisk();
    Move(std::max(0.0, main.Left() + main.Width() - Width()), std::max(0.0, main.Top()), Width(), Height());
    CmdSetup(1).setEnabled(eng.NumPlayers > 2);
    CmdSetup(2).setEnabled(eng.NumPlayers == 4);
    lblChoose.setCaption(QStringLiteral("Click on the Opponent buttons below to setup up individual opponents."));
    ListAvatarFiles();
    HScrollAvatar.setMax(std::max(1, recs.NumAvatars));
    ckShowAvatar.setValue(main.ImgAvatar.Visible() ? 1 : 0);
    TxtOpponent(0).setText(eng.PlayerName);
    TxtOpponent(1).setText(eng.Player2.Name);
    const int score = inet.RuleSetName.isEmpty() ? 0 : 1;
    vb::SelectOption(optNetScore(score));
    optNetScore_Click(score);
    CmdApply.setEnabled(false);
    ChangedSetting = false;
    SeatPanel = 0;
    AvatarChoice.clear();
    CmdSetup_Click(0);
}

void FrmMultiNet::Click(vb::Control& c) {
    const QString& n = c.Name();
    if (n == QLatin1String("CmdSetup")) CmdSetup_Click(c.Index());
    else if (n == QLatin1String("optNetScore")) optNetScore_Click(c.Index());
    else if (&c == &CboComment) CboComment_Click();
    else if (&c == &CboOpponent) CboOpponent_Click();
    else if (&c == &ckShowAvatar) ckShowAvatar_Click();
    else if (&c == &ckNoPlayerAvatar) ckNoPlayerAvatar_Click();
    else if (&c == &Command1) Command1_Click();
    else if (&c == &cmdExport) cmdExport_Click();
    else if (&c == &cmdSounds) cmdSounds_Click();
    else if (&c == &Combo1) Combo1_Click();
    else if (&c == &CmdApply) CmdApply_Click();
    else if (&c == &cmdDone) cmdDone_Click();
    else if (&c == &CmdCancel) CmdCancel_Click();
}

void FrmMultiNet::Change(vb::Control& c) {
    if (&c == &HScrollAvatar) HScrollAvatar_Change();
    else if (&c == &Combo1) Combo1_Change();
    else if (&c == &CboOpponent) CboOpponent_Click();  // its Change does as its Click
    else if (c.Name() == QLatin1String("TxtOpponent")) TxtOpponent_KeyDown(c.Index());
}

void FrmMultiNet::panelEdited() {
    ChangedSetting = true;
    CmdApply.setEnabled(true);
}

// ---- The panels -----------------------------------------------------------

void FrmMultiNet::CmdSetup_Click(int Index) {
    if (Index != SeatPanel && ChangedSetting) AskSaveSettings(SeatPanel);
    if (Index >= 0 && Index <= 2) {
        lblAvatar.setCaption(QStringLiteral("Avatar:"));
        CmdApply.setCaption(QStringLiteral("Save &Opponent"));
        lblOppName.setCaption(QStringLiteral("Opponent Name:"));
        for (vb::Control* c : {&TxtOpponent(0), &lblOppSet(2), &CboComment, &CboOpponent, &ckNoPlayerAvatar})
            c->setVisible(false);
        TxtOpponent(1).setVisible(true);
        ckShowAvatar.setVisible(true);
        SeatPanel = Index;
        Frame1.setCaption("Setup for Opponent" + vb::Str(Index + 1));
        AvatarChoice = LoadNetPlayerAvatar(panelRecord(Index));
        lblNameNote.setVisible(TxtOpponent(1).Text().isEmpty());
        HScrollAvatar_Change();
    } else if (Index == 3) {
        if (!eng.PlayerAvatar.isEmpty()) {
            ckNoPlayerAvatar.setValue(1);
            SetAvatarHscroll(eng.PlayerAvatar);
            HScrollAvatar_Change();
        } else {
            ckNoPlayerAvatar.setValue(0);
            ClearAvatarPreview(imgOppAvatar);
            // No picture of the player's own: the panel saves none.
            AvatarChoice.clear();
        }
        ckShowAvatar.setVisible(false);
        lblNameNote.setVisible(false);
        for (vb::Control* c : {&ckNoPlayerAvatar, &CboComment, &lblOppSet(2)}) c->setVisible(true);
        lblOppName.setCaption(QStringLiteral("Your Name:"));
        CheckCommentChoice(*this, 0);
        CboOpponent.setVisible(CboComment.Text() == QLatin1String(kDefaultPersonality));
        Frame1.setCaption(QStringLiteral("Setup for Player"));
        TxtOpponent(0).setVisible(true);
        TxtOpponent(1).setVisible(false);
        lblAvatar.setCaption(QStringLiteral("Your Avatar:"));
        CmdApply.setCaption(QStringLiteral("Save Player"));
        SeatPanel = 3;
    }
    ChangedSetting = false;
    CmdApply.setEnabled(false);
}

QString FrmMultiNet::LoadNetPlayerAvatar(PlayerRecord& Rec) {
    if (inet.NetPeers != 99) TxtOpponent(1).setText(Rec.Name);
    AvatarFileLookup(Rec, false);
    if (!Rec.Avatar.isEmpty()) SetAvatarHscroll(Rec.Avatar);
    return Rec.Avatar;
}

// ---- The avatars ------------------------------------------------------------

void FrmMultiNet::SetAvatarHscroll(const QString& ThisAvatar) {
    int found = 1;
    for (int i = 1; i <= recs.NumAvatars; ++i)
        if (vb::Trim(recs.AvatarFiles(i)) == ThisAvatar) {
            found = i;
            break;
        }
    if (HScrollAvatar.Value() == found) return;
    HScrollAvatar.setValue(found);
    HScrollAvatar_Change();
}

void FrmMultiNet::HScrollAvatar_Change() {
    const int i = HScrollAvatar.Value();
    AvatarChoice = i >= 1 && i <= recs.NumAvatars && recs.AvatarFiles.inRange({i}) ? recs.AvatarFiles(i) : QString();
    ShowAvatarPreview(imgOppAvatar, AvatarChoice);
    // On the player's panel a picture chosen is a picture wanted.
    if (ckNoPlayerAvatar.Visible()) ckNoPlayerAvatar.setValue(1);
    panelEdited();
}

void FrmMultiNet::ckNoPlayerAvatar_Click() {
    if (ckNoPlayerAvatar.Value() == 0) {
        ClearAvatarPreview(imgOppAvatar);
        AvatarChoice.clear();
    } else {
        HScrollAvatar.setValue(1);
        HScrollAvatar_Change();
    }
    CmdApply.setEnabled(true);
}

void FrmMultiNet::ckShowAvatar_Click() {
    frmGrisk().ImgAvatar.setVisible(ckShowAvatar.Value() == 1);
    CmdApply.setEnabled(true);
}

void FrmMultiNet::Command1_Click() {
    if (!ImportAvatarToList(HScrollAvatar)) return;
    SetAvatarHscroll(recs.AvatarFile);
    // The list under the bar changed: the choice is read again.
    HScrollAvatar_Change();
}

void FrmMultiNet::cmdExport_Click() { ExportAvatar(AvatarChoice); }

void FrmMultiNet::cmdSounds_Click() {
    ShowSoundsWindow();
    GetSoundList();
}

// ---- The comment file and the names ---------------------------------------

void FrmMultiNet::CboComment_Click() {
    panelEdited();
    CboOpponent.setVisible(CboComment.Text() == QLatin1String(kDefaultPersonality));
}

void FrmMultiNet::CboOpponent_Click() { panelEdited(); }

void FrmMultiNet::TxtOpponent_KeyDown(int Index) {
    // The competitions belong to the name: a new name plays in its default
    // score file.
    if (Index == 0 && optNetScore(0).Value() != 1) {
        vb::SelectOption(optNetScore(0));
        optNetScore_Click(0);
    }
    CmdApply.setEnabled(true);
}

// ---- The score file -----------------------------------------------------------

void FrmMultiNet::optNetScore_Click(int Index) {
    if (Index == 1) {
        FillScoreFileList(*this);
        Combo1.setEnabled(true);
    } else {
        inet.RuleSetChoice.clear();
        lblScoreFile.setCaption(kUseScoreFile + "Default");
        Combo1.setEnabled(false);
    }
}

void FrmMultiNet::Combo1_Click() {
    inet.RuleSetChoice = Combo1.Text();
    lblScoreFile.setCaption(kUseScoreFile + (inet.RuleSetChoice.isEmpty() ? QStringLiteral("Default") : inet.RuleSetChoice));
}

void FrmMultiNet::Combo1_Change() { lblScoreFile.setCaption(kUseScoreFile + Combo1.Text()); }

void FillScoreFileList(FrmMultiNet& Frm) {
    vb::Control& list = Frm.Combo1;
    list.Clear();
    list.setText(QString());
    inet.NumCompetitionFiles = 0;
    if (!inet.RuleSetName.isEmpty()) {
        Frm.lblScoreFile.setCaption(kUseScoreFile + inet.RuleSetName);
        list.AddItem(inet.RuleSetName);
    } else {
        Frm.lblScoreFile.setCaption(kUseScoreFile + "Default");
    }
    const bool found =
        ListCompetitionFiles(vb::Trim(Frm.TxtOpponent(0).Text()) + "_" + vb::Trim(vb::Str(eng.NumPlayers)));
    for (int i = 1; i <= inet.NumCompetitionFiles; ++i)
        if (inet.CompetitionFiles(i) != inet.RuleSetName) list.AddItem(inet.CompetitionFiles(i));
    if (list.ListCount() > 0) list.setListIndex(0);
    if (inet.RuleSetName.isEmpty() && found && list.ListCount() > 0)
        Frm.lblScoreFile.setCaption(kUseScoreFile + list.Text());
}

// ---- Saving a panel -------------------------------------------------------------

void FrmMultiNet::CmdApply_Click() {
    if (SeatPanel == 3)
        savePlayer();
    else
        saveOpponent();
}

void FrmMultiNet::savePlayer() {
    // The profile record is read again and written back with the player's
    // choices; a record that cannot be read is not written over.
    vb::RecordFile& profile = SetupProfileFile();
    QByteArray bytes;
    const vb::ReadStatus read = profile.isOpen() ? profile.read(recs.CurrentProfile, bytes) : vb::ReadStatus::Failed;
    if (read != vb::ReadStatus::Ok) {
        if (read == vb::ReadStatus::Failed)
            reportSaveProblem(52, QStringLiteral("Bad file name or number"));
        else
            reportSaveProblem(62, QStringLiteral("Input past end of file"));
        return;
    }
    eng.PlayerAvatar = AvatarChoice;
    recs.ProfileRec = PlayerProfileRecord::decode(bytes);
    recs.ProfileRec.Seats(0).Avatar = vb::Left(AvatarChoice, 30);
    recs.ProfileRec.Seats(0).Comments = vb::Left(CboComment.Text(), 100);
    PutSetupProfile();
    if (!eng.PlayerAvatar.isEmpty() && eng.Pturn <= 1) ShowAvatar(eng.PlayerAvatar);
    const QString choice = CboComment.Text();
    if (choice == QLatin1String(kDefaultPersonality)) {
        inet.NetCommentFile = CboOpponent.Text();
        LoadPersonalityComments(inet.NetCommentFile);
    } else if (choice != QLatin1String(kNoComments)) {
        LoadCommentFile(choice);
    }
    if (inet.NetPeers != 99) {
        FrmChat& chat = frmChat();
        for (int i = 1; i <= 20; ++i)
            if (chat.CmdChat.exists(i)) chat.CmdChat(i).setToolTipText(eng.Comments(i));
    }
    ChangedSetting = false;
    CmdApply.setEnabled(false);
}

void FrmMultiNet::saveOpponent() {
    const QString name = TxtOpponent(1).Text();
    if (HasBadFileNameChar(name)) return;
    // The name goes to the connection that plays this seat.
    for (int k = 1; k <= 3; ++k)
        if (inet.NetSlots(k).Seat == SeatPanel + 1) inet.NetSlots(k).SlotName = name;
    PlayerRecord& rec = panelRecord(SeatPanel);
    if (!name.isEmpty()) rec.Name = name;
    rec.Avatar = AvatarChoice;
    // A picture that could not be remembered leaves the panel unsaved.
    const bool remembered = AvatarFileLookup(rec, true);
    if (!remembered) reportSaveProblem(75, QStringLiteral("Path/File access error"));
    if (eng.Pturn == SeatPanel + 2) ShowAvatar(AvatarChoice);
    if (!remembered) return;
    ChangedSetting = false;
    CmdApply.setEnabled(false);
}

void FrmMultiNet::AskSaveSettings(int Index) {
    AskSavePanel(*this, Index, QStringLiteral("Did you want to save your settings?"), CmdApply,
                 [this] { CmdApply_Click(); });
}

// ---- Closing ------------------------------------------------------------------

void FrmMultiNet::cmdDone_Click() {
    if (!ValidateNetPlayerSetup(*this)) return;
    if (ChangedSetting) AskSaveSettings(SeatPanel);
    inet.NetSetupCancelled = true;
    Unload();
}

void FrmMultiNet::CmdCancel_Click() {
    inet.NetSetupCancelled = true;
    // Cancel keeps the running game.
    eng.SkipGameSave = true;
    Unload();
}

void FrmMultiNet::Form_QueryUnload(int&, int unloadMode) {
    if (ChangedSetting) AskSaveSettings(SeatPanel);
    if (unloadMode == vb::vbFormControlMenu) {
        inet.NetSetupCancelled = true;
        eng.SkipGameSave = true;
    }
    if (!inet.NetSetupCancelled) PutSetupProfile();
}

bool ValidateNetPlayerSetup(FrmMultiNet& Frm) {
    vb::Control& own = Frm.TxtOpponent(0);
    for (const QString& text : {own.Text(), Frm.TxtOpponent(1).Text(), Frm.Combo1.Text()})
        if (HasBadFileNameChar(text)) return false;
    if (vb::UCase(vb::Trim(own.Text())) == QLatin1String("GRISK")) {
        vb::MsgBox(QStringLiteral(
            "Pick a different player name. There is only ONE Grisk and he doesn't play on the Internet."));
        // The name box is on the player's panel: that panel is shown first.
        if (!own.Visible()) Frm.CmdSetup_Click(3);
        own.SetFocus();
        own.setSelStart(0);
        own.setSelLength(static_cast<int>(own.Text().size()));
        return false;
    }
    // A refused Done leaves the score file in force as it was.
    const bool competition = Frm.optNetScore(1).Value() == 1;
    if (competition && Frm.Combo1.Text().isEmpty()) {
        vb::MsgBox(QStringLiteral("Pick a Score file name, enter a new competition filename,\r\nor switch back to "
                                  "default."),
                   vb::vbInformation, QStringLiteral("Which Score File?"));
        return false;
    }
    inet.RuleSetName = competition ? Frm.Combo1.Text() : inet.RuleSetChoice;
    if (own.Text().isEmpty()) own.setText(eng.PlayerName);
    eng.PlayerName = vb::Trim(own.Text());
    frmGrisk().Label9(3).setCaption(eng.PlayerName);
    return true;
}

FrmMultiNet& frmMultiNet() { return vb::DefaultInstance<FrmMultiNet>::get(); }
bool FrmMultiNetExists() { return vb::DefaultInstance<FrmMultiNet>::exists(); }
void ReleaseFrmMultiNet() { vb::DefaultInstance<FrmMultiNet>::release(); }

void ShowInternetPlayerSetup() {
    FrmMultiNet& w = frmMultiNet();
    w.Unload();
    w.LoadAsDesigned();
    FillOpponentLists(w);
    w.Show(true);
}

}  // namespace grisk
