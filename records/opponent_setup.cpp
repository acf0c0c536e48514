#include "records/opponent_setup.h"

#include <algorithm>
#include <optional>

#include "engine/frm_grisk.h"
#include "engine/paths.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "net/internet_setup.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "platform/vberror.h"
#include "records/frm_multi.h"
#include "records/personality.h"
#include "records/profile.h"
#include "records/profile_record.h"
#include "records/record_fields.h"
#include "records/state.h"
#include "records/user_files.h"
#include "records/user_pictures.h"
#include "shell/menu_commands.h"
#include "shell/state.h"
#include "table/avatar.h"
#include "table/layout_redraw.h"
#include "table/layout_reset.h"

namespace grisk {

namespace {

// The list entry whose text is name; -1 for none.
int entryOf(const vb::Control& list, const QString& name) {
    for (int i = 0; i < list.ListCount(); ++i)
        if (list.List(i) == name) return i;
    return -1;
}

bool writeProfile(vb::RecordFile& f) {
    try {
        return f.write(recs.CurrentProfile, recs.ProfileRec.encode());
    } catch (const vb::Error&) {
        return false;  // a number that does not fit its field
    }
}

// The set-up's handle on the profile file, open while the set-up runs.
class SetupFileScope {
public:
    SetupFileScope() {
        vb::RecordFile& f = SetupProfileFile();
        // A file that cannot be opened is passed over: the profile in
        // memory stays, and writing it is reported.
        if (!f.open(PrefsPath(), kPlayerProfileRecordLength)) return;
        QByteArray bytes;
        if (f.read(recs.CurrentProfile, bytes) == vb::ReadStatus::Ok)
            recs.ProfileRec = PlayerProfileRecord::decode(bytes);
    }
    ~SetupFileScope() { SetupProfileFile().close(); }
    SetupFileScope(const SetupFileScope&) = delete;
    SetupFileScope& operator=(const SetupFileScope&) = delete;
};

// The local set-up window, shown modally until the player leaves it.
void runLocalSetup() {
    FrmMulti& w = frmMulti();
    w.Unload();
    w.LoadAsDesigned();
    if (recs.SoundLevel != 0) {
        w.OptWav(0).setEnabled(false);
        w.OptWav(1).setEnabled(false);
        w.Check1(2).setValue(1);
    }
    FillOpponentLists(w);
    w.Show(true);
    PutSetupProfile();
}

// The table shows the first opponent's avatar, or the player's own in a
// game of three or four, and seat 2's level.
void showSeatTwo() {
    if (eng.PlayerAvatar.isEmpty() || eng.NumPlayers < 3)
        ShowAvatar(eng.Player2.Avatar);
    else
        ShowAvatar(eng.PlayerAvatar);
    if (eng.LevelNames.inRange({eng.Player2.Level})) frmGrisk().lblLevel.setCaption(eng.LevelNames(eng.Player2.Level));
}

}  // namespace

OpponentSetupForm::OpponentSetupForm(const QString& name)
    : vb::Form(name),
      CboOpponent(addControl(vb::Kind::ComboBox, "CboOpponent")),
      CboComment(addControl(vb::Kind::ComboBox, "CboComment")),
      cmdDone(addControl(vb::Kind::CommandButton, "cmdDone")) {}

void FillOpponentLists(OpponentSetupForm& Frm) {
    vb::Control& comments = Frm.CboComment;
    comments.Clear();
    comments.AddItem(QString::fromLatin1(kDefaultPersonality));
    for (int i = 1; i <= recs.NumCommentFiles; ++i) comments.AddItem(recs.CommentFiles(i));
    comments.AddItem(QString::fromLatin1(kNoComments));

    vb::Control& opponents = Frm.CboOpponent;
    opponents.Clear();
    const int last = std::min(recs.NumOpps, recs.OppTable.ubound(1));
    for (int row = 0; row <= last; ++row) opponents.AddItem(recs.OppTable(row, 1));
    // An opponent that has no row of its own (OppIndex past the rows) shows
    // the first one.
    if (recs.OppIndex < 0 || recs.OppIndex >= opponents.ListCount()) recs.OppIndex = 0;
    const int chosen = entryOf(opponents, inet.NetCommentFile);
    if (opponents.ListCount() > 0)
        opponents.setListIndex(inet.NetPeers == 0 || chosen < 0 ? recs.OppIndex : chosen);

    Frm.ChangedSetting = false;
    if (inet.NetPeers == 0) {
        Frm.ChangedPerson = false;
        Frm.SelectPlayerCount(std::clamp(eng.NumPlayers - 2, 0, 2));
    }
    Frm.cmdDone.setEnabled(true);
}

void CheckCommentChoice(OpponentSetupForm& Frm, int Seat) {
    vb::Control& list = Frm.CboComment;
    OpponentSeatRecord& seat = recs.ProfileRec.Seats(Seat);
    const QString name = StoredText(seat.Comments);
    if (list.ListCount() == 0) return;
    if (name == QLatin1String(kDefaultPersonality)) {
        list.setListIndex(0);
        return;
    }
    if (name == QLatin1String(kNoComments)) {
        list.setListIndex(list.ListCount() - 1);
        return;
    }
    if (IsPlainFileName(name) && FileExists(eng.UserFolder + name + ".cmt")) {
        int entry = entryOf(list, name);
        if (entry < 0) {
            // A comment file put in the folder since the list was made.
            entry = list.ListCount() - 1;
            const QString last = list.List(entry);
            list.RemoveItem(entry);
            list.AddItem(name);
            list.AddItem(last);
        }
        list.setListIndex(entry);
        return;
    }
    seat.Comments = QString::fromLatin1(kDefaultPersonality);
    list.setListIndex(0);
    PutSetupProfile();
}

void AskSavePanel(OpponentSetupForm& Frm, int Index, const QString& ownQuestion, vb::Control& CmdApply,
                  const std::function<void()>& save) {
    const QString question =
        Index <= 2 ? "Did you want to save Opponent" + vb::Str(Index + 1) + "'s settings?" : ownQuestion;
    if (vb::MsgBox(question, vb::vbYesNo, QStringLiteral("Save Settings?")) == vb::vbYes)
        save();
    else
        CmdApply.setEnabled(false);
    Frm.ChangedSetting = false;
}

bool ImportAvatarToList(vb::Control& HScrollAvatar) {
    Get_Avatars();
    if (recs.AvatarFile.isEmpty()) return false;
    ListAvatarFiles();
    HScrollAvatar.setMax(std::max(1, recs.NumAvatars));
    HScrollAvatar.setValue(std::max(1, recs.NumAvatars));
    return true;
}

void ApplyChosenCounts(int PlayersChoice, int CentersChoice) {
    if (PlayersChoice == eng.NumPlayers && CentersChoice == eng.NumCenters) eng.SkipGameSave = true;
    if (!eng.SkipGameSave && recs.DeckStyle >= 6 && PlayersChoice == 2 && eng.NumPlayers != 2) {
        for (PlayerRecord* gone : {&eng.Player3, &eng.Player4}) {
            gone->Slots.clear();
            gone->Hold.clear();
        }
    }
    if (CentersChoice != 0) eng.NumCenters = CentersChoice;
    if (PlayersChoice >= 2 && PlayersChoice <= 4) eng.NumPlayers = PlayersChoice;
}

vb::RecordFile& SetupProfileFile() {
    static vb::RecordFile f;
    return f;
}

void PutSetupProfile() {
    vb::RecordFile& f = SetupProfileFile();
    bool ok = false;
    if (f.isOpen()) {
        ok = writeProfile(f);
    } else {
        vb::RecordFile once;
        ok = once.open(PrefsPath(), kPlayerProfileRecordLength) && writeProfile(once);
    }
    if (!ok) ReportProfileNotSaved();
}

void SetupOpponents(bool RulesOnly) {
    recs.SetupPlayers = eng.NumPlayers;
    recs.SetupCenters = eng.NumCenters;
    eng.SkipGameSave = false;
    {
        std::optional<SetupFileScope> file;
        if (!RulesOnly) file.emplace();
        if (inet.NetPeers != 0) {
            if (!RulesOnly) {
                inet.NetSetupCancelled = false;
                ShowInternetPlayerSetup();
                // A remote player's set-up is their own; the host's starts
                // the next game for everyone unless it was cancelled.
                if (inet.IsHost != 1 || eng.SkipGameSave) {
                    showSeatTwo();
                    ShowOpponentNames();
                    eng.SkipGameSave = false;
                    return;
                }
            } else {
                ShowHostRulesWindow();
            }
        } else {
            runLocalSetup();
        }
    }

    showSeatTwo();
    if (eng.SkipGameSave && !eng.RulesChanged) {
        ShowOpponentNames();
        eng.SkipGameSave = false;
        return;
    }

    eng.TotalCards = 52 * eng.NumPlayers;
    eng.Deck.redim({{0, 2}, {0, eng.TotalCards}});
    eng.Used.redim({{0, 1}, {0, eng.TotalCards}});
    SetPlayerCount(recs.SetupPlayers, recs.SetupCenters);
    RedrawTable();
    ShowRulesSummary();
    cmd.GameRestored = false;
    eng.RulesChanged = false;
    if (inet.NetPeers != 0 && inet.NetPeers != 99)
        NetStartNewGame();
    else if (inet.NetPeers == 0)
        MenuGameCommand(0);
}

}  // namespace grisk
