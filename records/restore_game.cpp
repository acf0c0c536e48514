// A saved game put back on the table: the mirror of BuildSaveRecord.
#include "engine/cards.h"
#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/open_files.h"
#include "engine/player_record.h"
#include "engine/program_sound.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "net/protocol.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/saved_game_record.h"
#include "records/saved_games.h"
#include "records/stats.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/card_counter.h"
#include "table/layout_redraw.h"
#include "table/layout_reset.h"
#include "table/layout_stacks.h"
#include "table/pile_info.h"
#include "table/state.h"
#include "table/status_bar.h"
#include "table/wild_counters.h"

namespace grisk {

namespace {

constexpr int kSoundRestoreSlot = 121;
constexpr int kSoundRestoreLog = 117;
constexpr int kRunPanel = 2;

// A card put back on the table counts as seen for the card counter.
void markSeen(int cardNo) {
    if (eng.Deck.inRange({2, cardNo}) && cardNo > 0) eng.Deck(2, cardNo) = 1;
}

void takeSeat(const SavedGameRecord& r, int seat, PlayerRecord& rec) {
    const int j = seat - 2;
    for (int f = 0; f <= 1; ++f) {
        for (int i = 1; i <= 26; ++i) rec.Side(f, i) = r.Side(f, i, seat);
        for (int s = 1; s <= 10; ++s) rec.Slots(f, s) = r.Slots(f, s, seat);
        for (int p = 1; p <= 4; ++p)
            for (int d = 1; d <= 30; ++d) rec.Hold(f, p, d) = r.SeatHold(j + 3 * f, p, d);
    }
    rec.RecSideCount = r.SeatSideCount(seat);
    rec.RecSideShape = r.SeatSideShape(seat);
    rec.WildSide = r.WildCounter(seat, 0);
    rec.WildHand = r.WildCounter(seat, 1);
    for (int p = 1; p <= 4; ++p) {
        rec.HoldTable(p, 1) = r.SeatHoldCount(j, p);
        rec.HoldTable(p, 2) = r.SeatHoldRun(j, p);
    }
    for (int s = 1; s <= 10; ++s) markSeen(rec.Slots(0, s));
}

void takeRecord(const SavedGameRecord& r) {
    eng.NoWildAce = r.NoWildAce != 0;
    eng.OppSideCount = r.OppSideCount;
    eng.SideCount = r.SideCount;
    eng.OppSideShape = r.OppSideShape;
    eng.SideShape = r.SideShape;
    eng.StockCount = r.StockCount;
    eng.UsedCount = r.UsedCount;
    eng.HandCount = r.HandCount;
    for (int f = 0; f <= 1; ++f) {
        for (int i = 1; i <= eng.TotalCards; ++i) {
            eng.Deck(f, i) = r.Deck(f, i);
            eng.Used(f, i) = r.Used(f, i);
        }
        for (int i = 1; i <= 26; ++i) eng.PlayerSide(f, i) = r.Side(f, i, 1);
        for (int s = 1; s <= 10; ++s) eng.PlayerSlots(f, s) = r.Slots(f, s, 1);
        for (int c = 1; c <= eng.NumCenters; ++c)
            for (int k = 1; k <= 12; ++k) eng.CenterPile(f, c, k) = r.CenterPile(f, c, k);
        for (int p = 1; p <= 4; ++p)
            for (int d = 1; d <= 30; ++d) eng.PlayerHold(f, p, d) = r.PlayerHold(f, p, d);
    }
    for (int c = 1; c <= eng.NumCenters; ++c) {
        eng.CenterCount(c) = r.CenterCount(c);
        for (int k = 1; k <= eng.CenterCount(c) && k <= 12; ++k) markSeen(eng.CenterPile(0, c, k));
    }
    for (int i = 1; i <= eng.UsedCount && i <= eng.TotalCards; ++i) markSeen(eng.Used(0, i));
    for (int s = 1; s <= 10; ++s) markSeen(eng.PlayerSlots(0, s));
    eng.PlayerWildSide = r.WildCounter(1, 0);
    eng.PlayerWildHand = r.WildCounter(1, 1);
    for (int p = 1; p <= 4; ++p) eng.PlayerHoldCount(p) = r.PlayerHoldCount(p);
    for (int seat = 2; seat <= eng.NumPlayers; ++seat) takeSeat(r, seat, SeatRecord(seat));
    eng.Pturn = r.Pturn;
    WhosOnFirst();
}

// Whether a saved game may be played with the connected peers: as many
// players as are connected, a peer of version 52 or later, and four centre
// piles only with a peer later than version 74. Else a box says why.
bool suitsInternetGame(const SavedGameRecord& r) {
    const QString& peer = inet.PeerVersion;
    const bool oldPeer = PeerVersionAtMost(peer, "74");
    if (peer.compare(QLatin1String("52")) < 0) {
        vb::MsgBox(QStringLiteral("Unable to send a saved game."), vb::vbCritical,
                   QStringLiteral("Your opponent's program is not compatible with this version"));
        return false;
    }
    if (r.NumPlayers == inet.NetPeers + 1 && !(oldPeer && r.NumCenters == 4)) return true;
    if (oldPeer) {
        vb::MsgBox(QStringLiteral("This game was saved with features that your opponent's older version of "
                                  "the game cannot play."),
                   vb::vbCritical,
                   "Saved Game for" + vb::Str(r.NumPlayers) + " players and" + vb::Str(r.NumCenters) + " centers");
    } else {
        vb::MsgBox(QStringLiteral("You don't have enough players to play this saved game.\n"
                                  "Connect to all players first, then Send the Saved game."),
                   vb::vbCritical, "Saved Game for" + vb::Str(r.NumPlayers) + " players");
    }
    return false;
}

// The human's run of the turn on its status-bar panel: shown again after
// a restart or an undo, emptied (with the panel after it) for a replay.
void showRuns() {
    vb::Control& bar = frmGrisk().StatusBar1;
    if (cmd.UndoRequested || cmd.KeyRestartTurn) {
        bar.Panels(kRunPanel).Text = RunText(1);
    } else if (cmd.ReplayMode) {
        bar.Panels(kRunPanel).Text = QString();
        bar.Panels(kRunPanel + 1).Text = QString();
    }
}

void sizeTemplates() {
    FrmGrisk& f = frmGrisk();
    const bool large = tbl.DisplayMode < 2;
    for (vb::ControlArray* a : {&f.Picture1, &f.Picture7}) {
        vb::Control& t = (*a)(0);
        t.setGeometryTw(t.leftTw(), t.topTw(), screen::PixelsToTwips(large ? 71 : 59),
                        screen::PixelsToTwips(large ? 96 : 80));
    }
}

}  // namespace

bool RestoreSavedGame(int FileNo) {
    FrmGrisk& f = frmGrisk();
    recs.SetupPlayers = eng.NumPlayers;
    recs.SetupCenters = eng.NumCenters;
    eng.SkipGameSave = false;
    const bool restartOrUndo = cmd.KeyRestartTurn || cmd.UndoRequested || cmd.ReplayMode;

    // The whole record is checked before anything of it is taken.
    vb::RecordFile& file = FileNo == kMoveLogFile ? MoveLogFile() : BackupFile();
    SavedGameRecord saved;
    QByteArray bytes;
    if (!file.isOpen() || file.read(recs.CurrentSlot, bytes) != vb::ReadStatus::Ok) return false;
    saved = SavedGameRecord::decode(bytes);
    if (!PlayableSavedGame(saved)) return false;
    if (inet.NetPeers != 0 && !suitsInternetGame(saved)) {
        eng.SkipGameSave = true;
        return false;
    }

    if (!restartOrUndo) StatusBar_Clear();
    f.Label9(1).setCaption(QString());
    f.Label9(2).setCaption(QString());
    recs.SaveRecord = saved;
    eng.SideOption = saved.SideOption == 0 ? 19 : saved.SideOption;
    eng.ForcedCards = saved.ForcedCards;
    if (recs.SoundLevel != 2 && !cmd.TutorialOn)
        PlayProgramSound(FileNo == kSavedGamesFile && !cmd.KeyRestartTurn ? kSoundRestoreSlot : kSoundRestoreLog);
    if (saved.NumPlayers != eng.NumPlayers || saved.NumCenters != eng.NumCenters) {
        eng.NumPlayers = saved.NumPlayers;
        eng.NumCenters = saved.NumCenters;
        SetPlayerCount(eng.NumPlayers, eng.NumCenters);
    }
    eng.TotalCards = 52 * eng.NumPlayers;
    ResetTableDisplay();
    sizeTemplates();

    takeRecord(saved);
    if (cmd.UndoRequested) {
        for (int s = 2; s <= 6; ++s)
            if (eng.PlayerSlots(1, s) == 0) f.Picture7(s).setVisible(false);
        RunsFromTitle(saved.Title);
    }
    showRuns();
    // The auto-save of the turn is the game restored. A record of the move
    // log stays where it is: the turn's start is in the saved games, and
    // the log's own records are the moves an undo goes back through.
    if (FileNo == kSavedGamesFile && !cmd.KeyRestartTurn) {
        const QByteArray again = saved.encode();
        if (!file.write(11, again) || !file.write(12, again)) qWarning("The restored game could not be kept");
    }
    if (inet.NetRestorePending == 1) eng.MsgText = vb::Trim(saved.Title.mid(2));

    if (inet.NetPeers == 0) {
        ShowStackShapes(true);
        RedrawTable();
    }
    cmd.GameRestored = true;
    f.ImgHold.setVisible(eng.SideCount != 1);
    ShowRulesSummary();
    if (IsFormLoaded(QStringLiteral("frmCounter"))) UpdateCardCounter();
    const bool undo = cmd.UndoRequested;
    cmd.ReplayMode = false;
    ExchangePlayerRecord(eng.Player2, false);
    WildUpdate();
    // The move log starts again from the game restored, so that an undo
    // never reaches a move of the game that was on the table before.
    if (!cmd.KeyRestartTurn && !undo && recs.AutoSaveOn) {
        eng.MoveLogPos = 1;
        BuildSaveRecord();
        WriteMoveLogRecord(1);
    }
    if (undo && PileInfoShown() && eng.InfoHold == 0) RefreshPileInfo(QString());

    const bool mine = eng.Pturn == 1;
    f.Label9(1).setCaption(mine ? QStringLiteral("It's still your turn.\n") : QStringLiteral("It's NOT your turn.\n"));
    f.ImgTurn1.setVisible(mine);
    f.ImgTurn2.setVisible(!mine);
    if (!mine && inet.NetPeers == 0) Pause(1.5);
    if (inet.NetRestorePending == 1) {
        // A game sent to the peers waits for the Deal button.
        if (!mine) {
            eng.RecountHand = 1;
            eng.TurnStart = 0;
        }
    } else if (mine) {
        EnablePileRange(f.Picture7, true, 1, 10);
        eng.TurnStart = 1;
        eng.RecountHand = 0;
    } else {
        eng.RecountHand = 1;
        eng.TurnStart = 0;
        ComputerTurn();
    }
    return true;
}

}  // namespace grisk
