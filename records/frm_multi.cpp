// The opponent set-up window: loading, the player count and centre piles,
// the panels, saving a panel and closing. The avatars and the sound panel
// are in frm_multi_avatars.cpp and frm_multi_sounds.cpp.
#include "records/frm_multi.h"

#include <QFile>
#include <algorithm>

#include "engine/frm_grisk.h"
#include "engine/paths.h"
#include "engine/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "records/personality.h"
#include "records/profile.h"
#include "records/record_fields.h"
#include "records/state.h"
#include "records/user_files.h"
#include "shell/help.h"
#include "table/form_scaling.h"

namespace grisk {

namespace {

const QString kGrisk = QStringLiteral("Grisk");

// The seat entry's field lengths in the profile.
constexpr int kSeatNameLength = 20;
constexpr int kSeatAvatarLength = 30;
constexpr int kSeatCommentsLength = 100;

int level(int stored) { return (stored >= 0 && stored <= 2) ? stored : 0; }

// The list entry whose text is name, ignoring the letters' case; -1 for none.
int entryIgnoringCase(const vb::Control& list, const QString& name) {
    for (int i = 0; i < list.ListCount(); ++i)
        if (list.List(i).compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

// Deletes the copies of a personality's sounds in the user's "Sounds"
// folder once no opponent seat plays that personality any longer (the
// default one's are kept).
void dropUnusedSoundCopies(const QString& personality) {
    if (personality == kGrisk) return;
    for (int s = 1; s <= 3; ++s) {
        OpponentSeatRecord& seat = recs.ProfileRec.Seats(s);
        seat.Name = StoredText(seat.Name);
        if (seat.Name == personality) return;
    }
    for (const QString& copy : PersonalitySoundCopies(personality)) QFile::remove(UserSoundsFolder() + copy);
}

}  // namespace

void FrmMulti::Form_Load() {
    if (eng.ScreenWidthTw > 0 && eng.ScreenWidthTw < 10000) ScaleFormToScreen(*this, kScaleToScreen, 0);
    FullWidth = Width();
    NarrowWidth = Frame1.Left() + Frame1.Width() + 200;

    // The window's state starts afresh.
    ChangedSetting = false;
    ChangedPerson = false;
    SeatLevels.clear();
    PlayersChoice = 0;
    SeatPanel = 0;
    CentersChoice = 0;
    SoundChoice = 0;
    AvatarChoice.clear();
    SeatPersonality.clear();
    SoundTable.clear();
    SoundEvent = 0;
    SoundsWarned = false;

    lblChoose.setCaption(
        QStringLiteral("Click on the buttons below to customize each Opponent's Setup and your Player Avatar."));
    ListAvatarFiles();
    HScrollAvatar.setMax(std::max(1, recs.NumAvatars));
    ckShowAvatar.setValue(frmGrisk().ImgAvatar.Visible() ? 1 : 0);

    CboOppLevel.Clear();
    for (const char* name : {"Average", "Clever", "Ruthless"}) CboOppLevel.AddItem(QString::fromLatin1(name));
    SeatLevels(0) = level(recs.ProfileRec.Seats(1).Level);
    CboOppLevel.setListIndex(SeatLevels(0));

    Check1(0).setValue(recs.SkipLoseShow ? 1 : 0);
    Check1(1).setValue(recs.SkipWinShow ? 1 : 0);
    if (eng.NumPlayers == 2) {
        fraCenters.setVisible(true);
        selectCenters(eng.NumCenters == 3 ? 0 : 1);
    }
    CmdApply.setEnabled(false);

    // Over the middle of the table, with the sound panel hidden.
    const FrmGrisk& main = frmGrisk();
    Move(std::max(0.0, main.Left() + (main.Width() - NarrowWidth) / 2),
         std::max(0.0, main.Top() + (main.Height() - Height()) / 2), NarrowWidth, Height());
}

void FrmMulti::Click(vb::Control& c) {
    const QString& n = c.Name();
    const int i = c.Index();
    if (n == QLatin1String("Option1")) Option1_Click(i);
    else if (n == QLatin1String("optCenters")) optCenters_Click(i);
    else if (n == QLatin1String("CmdSetup")) CmdSetup_Click(i);
    else if (n == QLatin1String("OptWav")) OptWav_Click(i);
    else if (n == QLatin1String("OptPlay")) OptPlay_Click(i);
    else if (n == QLatin1String("Check1")) Check1_Click(i);
    else if (&c == &CboOpponent) CboOpponent_Click();
    else if (&c == &CboOppLevel) CboOppLevel_Click();
    else if (&c == &CboComment) CboComment_Click();
    else if (&c == &Command1) Command1_Click();
    else if (&c == &cmdExport) cmdExport_Click();
    else if (&c == &ckShowAvatar) ckShowAvatar_Click();
    else if (&c == &ckNoPlayerAvatar) ckNoPlayerAvatar_Click();
    else if (&c == &cmdSounds) cmdSounds_Click();
    else if (&c == &CmdChangeSound) CmdChangeSound_Click();
    else if (&c == &cmdResetSounds) cmdResetSounds_Click();
    else if (&c == &CmdSaveSounds) CmdSaveSounds_Click();
    else if (&c == &CmdApply) CmdApply_Click();
    else if (&c == &cmdDone) cmdDone_Click();
    else if (&c == &CmdCancel) CmdCancel_Click();
    else if (&c == &cmdHelp) cmdHelp_Click();
}

void FrmMulti::Change(vb::Control& c) {
    if (&c == &HScrollAvatar) HScrollAvatar_Change();
}

void FrmMulti::MouseDown(vb::Control& c, int button, int, double, double) {
    if (&c == &imgOppAvatar) imgOppAvatar_MouseDown(button);
}

void FrmMulti::SelectPlayerCount(int index) {
    vb::SelectOption(Option1(index));
    Option1_Click(index);
}

// ---- The player count and the centre piles -------------------------------

void FrmMulti::selectCenters(int Index) {
    vb::SelectOption(optCenters(Index));
    optCenters_Click(Index);
}

void FrmMulti::Option1_Click(int Index) {
    if (Index == 0) {
        PlayersChoice = 2;
        CmdSetup(1).setEnabled(false);
        CmdSetup(2).setEnabled(false);
        fraCenters.setVisible(true);
        // Four centre piles stay chosen only on a table of two already.
        if (eng.NumPlayers != 2 || eng.NumCenters == 3) selectCenters(0);
    } else {
        PlayersChoice = 3;
        CmdSetup(1).setEnabled(true);
        CmdSetup(2).setEnabled(false);
        selectCenters(1);
        fraCenters.setVisible(false);
        if (Index == 2) {
            PlayersChoice = 4;
            CmdSetup(2).setEnabled(true);
        }
    }
    CmdSetup_Click(Index);
}

void FrmMulti::optCenters_Click(int Index) { CentersChoice = Index != 0 ? 4 : 3; }

// ---- The panels ---------------------------------------------------------

void FrmMulti::narrow() { setWidth(NarrowWidth); }

void FrmMulti::panelEdited() {
    ChangedSetting = true;
    CmdApply.setEnabled(true);
}

void FrmMulti::CmdSetup_Click(int Index) {
    if (Index != SeatPanel && ChangedSetting) AskSaveSeat(SeatPanel);
    narrow();
    if (Index >= 0 && Index <= 2)
        openOpponentPanel(Index);
    else if (Index == 3)
        openPlayerPanel();
}

void FrmMulti::openOpponentPanel(int Index) {
    const int s = Index + 1;
    lblAvatar.setCaption(QStringLiteral("Avatar:"));
    CmdApply.setCaption(QStringLiteral("&Save Opponent"));
    for (vb::Control* c : controls())
        if (c != &imgPoint && c != &ckNoPlayerAvatar && c != &fraCenters) c->setVisible(true);
    ckShowAvatar.setVisible(true);
    ckNoPlayerAvatar.setVisible(false);
    lblPlayer.setVisible(false);
    SeatPanel = Index;
    Frame1.setCaption("Setup for Opponent" + vb::Str(s));

    OpponentSeatRecord& seat = recs.ProfileRec.Seats(s);
    seat.Name = StoredText(seat.Name);
    if (seat.Name.isEmpty() && CboOpponent.ListCount() > 0) {
        // A seat never written: the personality in the list at its place
        // (the first one when the list is shorter), written at once.
        const int row = Index < CboOpponent.ListCount() ? Index : 0;
        CboOpponent.setListIndex(row);
        seat.Name = CboOpponent.List(row);
        seat.Level = 0;
        seat.Avatar = seat.Name + ".jpg";
        SelectAvatarByName(seat.Avatar);
        seat.SoundSource = 0;
        seat.Comments = CboComment.Text();
        PutSetupProfile();
    }

    SeatPersonality = StoredText(seat.Name);
    // A personality whose file has gone plays as the first one (Grisk).
    const int row = std::max(0, entryIgnoringCase(CboOpponent, SeatPersonality));
    if (row < CboOpponent.ListCount()) CboOpponent.setListIndex(row);
    if (recs.OppTable.inRange({row, 0})) lblDescription.setCaption(recs.OppTable(row, 0));
    CboOppLevel.setListIndex(level(seat.Level));
    seat.Avatar = StoredText(seat.Avatar);
    SelectAvatarByName(seat.Avatar);
    HScrollAvatar_Change();
    selectSoundSource(seat.SoundSource == 1 ? 1 : 0);
    AvatarChoice = seat.Avatar;
    SeatLevels(Index) = level(seat.Level);
    CheckCommentChoice(*this, s);
    ChangedSetting = false;
    ChangedPerson = false;
    CmdApply.setEnabled(false);
}

void FrmMulti::openPlayerPanel() {
    if (!eng.PlayerAvatar.isEmpty()) {
        ckNoPlayerAvatar.setValue(1);
        SelectAvatarByName(eng.PlayerAvatar);
    } else {
        ckNoPlayerAvatar.setValue(0);
        clearPreview();
    }
    // The panel starts from the player's own choice.
    AvatarChoice = eng.PlayerAvatar;
    ckNoPlayerAvatar.setVisible(true);
    lblPlayer.setVisible(true);
    ckShowAvatar.setVisible(false);
    Frame1.setCaption(QStringLiteral("Setup for Player"));
    for (vb::Control* c : {&CboOpponent, &CboOppLevel, &CboComment, &OptWav(0), &OptWav(1), &lblDescription,
                           &lblNoSoundNow, &cmdSounds})
        c->setVisible(false);
    for (int i = 0; i <= 3; ++i) lblOppSet(i).setVisible(false);
    lblAvatar.setCaption(QStringLiteral("Your Avatar:"));
    lblPlayer.setCaption(
        QStringLiteral("If you would like to use your own picture during your turn for multiplayer games, check the "
                       "Show Player Avatar box and select a picture."));
    CmdApply.setCaption(QStringLiteral("Save Player"));
    ChangedSetting = false;
    SeatPanel = 3;
}

void FrmMulti::CboOpponent_Click() {
    const QString name = CboOpponent.Text();
    showPreview(name + ".jpg");
    SelectAvatarByName(name + ".jpg");
    CboOppLevel.setListIndex(0);
    CboOppLevel_Click();
    const int row = CboOpponent.ListIndex();
    if (recs.OppTable.inRange({row, 0})) lblDescription.setCaption(recs.OppTable(row, 0));
    CboComment.setListIndex(0);
    selectSoundSource(0);
    narrow();
    ChangedSetting = true;
    ChangedPerson = true;
    CmdApply.setEnabled(true);
}

void FrmMulti::CboOppLevel_Click() {
    if (SeatPanel >= 0 && SeatPanel <= 2) SeatLevels(SeatPanel) = std::max(0, CboOppLevel.ListIndex());
    panelEdited();
}

void FrmMulti::CboComment_Click() { panelEdited(); }

void FrmMulti::selectSoundSource(int Index) {
    vb::SelectOption(OptWav(Index));
    OptWav_Click(Index);
}

void FrmMulti::OptWav_Click(int Index) {
    SoundChoice = Index;
    const bool custom = Index == 1;
    cmdSounds.setEnabled(custom);
    CmdChangeSound.setEnabled(custom);
    CmdSaveSounds.setEnabled(custom);
    if (!custom) narrow();
    panelEdited();
}

// ---- The switches -------------------------------------------------------

void FrmMulti::Check1_Click(int) {
    recs.SkipLoseShow = Check1(0).Value() == 1;
    recs.SkipWinShow = Check1(1).Value() == 1;
    if (Check1(2).Value() == 1) {
        if (recs.SoundLevel == 0) recs.SoundLevel = 1;
        // The player's panel has no sound source to change.
        if (SeatPanel <= 2) {
            selectSoundSource(0);
        } else {
            vb::SelectOption(OptWav(0));
            SoundChoice = 0;
        }
        OptWav(0).setEnabled(false);
        OptWav(1).setEnabled(false);
        narrow();
    } else {
        if (recs.SoundLevel != 0) recs.SoundLevel = 0;
        OptWav(0).setEnabled(true);
        OptWav(1).setEnabled(true);
    }
}

// ---- Saving a panel -----------------------------------------------------

void FrmMulti::CmdApply_Click() {
    if (SeatPanel == 3) {
        eng.PlayerAvatar = AvatarChoice;
    } else {
        const int s = SeatPanel + 1;
        OpponentSeatRecord& seat = recs.ProfileRec.Seats(s);
        seat.Name = CboOpponent.Text().left(kSeatNameLength);
        CheckPersonalitySounds();
        seat.Level = SeatLevels(SeatPanel);
        seat.Avatar = vb::Trim(AvatarChoice).left(kSeatAvatarLength);
        seat.Comments = vb::Trim(CboComment.Text()).left(kSeatCommentsLength);
        seat.SoundSource = SoundChoice;
        eng.NoComments = seat.Comments == QLatin1String(kNoComments);
        if (eng.NoComments)
            for (int i = 1; i <= 33; ++i) eng.Comments(i).clear();
        seat.Name = vb::Trim(seat.Name);
        if (seat.Name != SeatPersonality) dropUnusedSoundCopies(SeatPersonality);
        PutSetupProfile();
        ReloadSeatPersonality();
        ChangedPerson = false;
        // The seat holds its new personality from now on.
        SeatPersonality = seat.Name;
    }
    ChangedSetting = false;
    CmdApply.setEnabled(false);
}

void FrmMulti::ReloadSeatPersonality() {
    if (SeatPanel == 0) {
        CopySeatToPlayer(eng.Player2, 1);
        LoadOpponentPersonality(eng.Player2, 1);
        ChangePerson();
    } else if (SeatPanel == 1) {
        CopySeatToPlayer(eng.Player3, 2);
        LoadOpponentPersonality(eng.Player3, 0);
    } else {
        CopySeatToPlayer(eng.Player4, 3);
        LoadOpponentPersonality(eng.Player4, 0);
    }
}

void FrmMulti::AskSaveSeat(int Index) {
    AskSavePanel(*this, Index, QStringLiteral("Did you want to save your Avatar?"), CmdApply,
                 [this] { CmdApply_Click(); });
}

// ---- Closing ------------------------------------------------------------

void FrmMulti::cmdDone_Click() {
    if (ChangedSetting) AskSaveSeat(SeatPanel);
    ApplyChosenCounts(PlayersChoice, CentersChoice);
    Unload();
}

void FrmMulti::CmdCancel_Click() {
    eng.SkipGameSave = true;
    // Cancel leaves the panel's edits unsaved without asking.
    ChangedSetting = false;
    Unload();
}

void FrmMulti::Form_QueryUnload(int&, int unloadMode) {
    if (ChangedSetting) AskSaveSeat(SeatPanel);
    if (unloadMode == vb::vbFormControlMenu) eng.SkipGameSave = true;
}

void FrmMulti::cmdHelp_Click() { ShowHelpTopic(QStringLiteral("Keyword"), QStringLiteral("Opponents")); }

bool IsStockAvatar(const QString& Name) {
    static const QStringList stock{"Grisk.jpg", "Varnok.jpg", "Raz.jpg",  "Bruce.jpg",  "Zozida.jpg",
                                   "Sport.jpg", "Voze.jpg",   "Tony.jpg", "Virgil.jpg", "Warren.jpg"};
    return stock.contains(Name, Qt::CaseSensitive);
}

FrmMulti& frmMulti() { return vb::DefaultInstance<FrmMulti>::get(); }
bool FrmMultiExists() { return vb::DefaultInstance<FrmMulti>::exists(); }
void ReleaseFrmMulti() { vb::DefaultInstance<FrmMulti>::release(); }

}  // namespace grisk
